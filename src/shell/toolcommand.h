#pragma once

#include <string>
#include <vector>

#include "launchtexts.h"

// The command line that hands the module's connection parameters to one of
// the station's MIB tools. It is kept as a program and its arguments so that
// the tool is started without a shell: an address or a pass phrase reaches
// the tool as the text it is, whatever characters it holds.
class ToolCommand {
public:
    // pageName has the form "/T" + tool + "_" + page, e.g. "/TMIB_IFTable".
    static ToolCommand Build(const LaunchTexts& texts, const std::string& pageName);

    const std::string& Program() const { return program_; }
    const std::vector<std::string>& Arguments() const { return arguments_; }
    // The whole line as the tool sees it: program, blank-separated switches,
    // the page name and a final blank.
    std::string Text() const;

private:
    std::string program_;
    std::vector<std::string> arguments_;
};
