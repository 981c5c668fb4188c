#pragma once

#include <QString>

#include <memory>

class TConfigForm;
struct PageEntry;

// Builds the generic page of one catalogue entry: the dialog with its
// caption, the binding over the entry's definition table, the editor or
// table panel, and the entry's extras. The page reads the switch once it
// is shown.
class ConfigPageBuilder {
public:
    static constexpr int TallPageHeight = 450;
    static constexpr int WideValueWidth = 150;
    static constexpr int PortListColumns = 12;
    static constexpr int PortListBits = 28;
    static constexpr int PortListRow = 2;

    static std::unique_ptr<TConfigForm> Build(const PageEntry& entry, const QString& addressText);
    // The caption prefix of an entry: its own, or the menu caption and " : ".
    static QString CaptionPrefix(const PageEntry& entry);
};
