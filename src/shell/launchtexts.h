#pragma once

#include <string>

// Text copies of the start-up parameters, handed on unchanged to the
// station's other tools; never parsed back.
struct LaunchTexts {
    std::string AddressText;
    std::string ReadCommunityText;
    std::string WriteCommunityText;
    std::string PortText;
    std::string VersionText;
    std::string SecurityNameText;
    std::string AuthPasswordText;
    std::string PrivPasswordText;
    std::string AuthProtocolText;
    std::string PrivProtocolText;
    std::string ContextEngineIDText;
    std::string SecurityLevelText;
    std::string ContextNameText;
    std::string SecurityModelText;
};
