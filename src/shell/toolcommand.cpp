#include "toolcommand.h"

namespace {

std::string ToolOf(const std::string& pageName) {
    const size_t end = pageName.find('_');
    if (pageName.size() <= 2)
        return {};
    return pageName.substr(2, end == std::string::npos ? std::string::npos : end - 2);
}

}  // namespace

ToolCommand ToolCommand::Build(const LaunchTexts& t, const std::string& pageName) {
    ToolCommand command;
    command.program_ = ToolOf(pageName);
    auto& a = command.arguments_;
    a.push_back("/I" + t.AddressText);
    if (t.VersionText == "3") {
        a.insert(a.end(), {"/t" + t.PortText, "/v" + t.VersionText, "/d" + t.ContextEngineIDText,
                           "/m" + t.SecurityModelText, "/n" + t.SecurityNameText, "/l" + t.SecurityLevelText,
                           "/a" + t.AuthProtocolText, "/p" + t.PrivProtocolText, "/A" + t.AuthPasswordText,
                           "/P" + t.PrivPasswordText, "/c" + t.ContextNameText});
    } else {
        a.insert(a.end(), {"/R" + t.ReadCommunityText, "/W" + t.WriteCommunityText});
    }
    a.push_back(pageName);
    return command;
}

std::string ToolCommand::Text() const {
    std::string text = program_;
    for (const std::string& argument : arguments_)
        text += " " + argument;
    return text + " ";
}
