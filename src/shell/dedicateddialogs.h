#pragma once

#include <functional>
#include <string_view>

class QDialog;
class QWidget;

// The dialogs of their own that some menu entries open, found by class name.
// A feature registers its dialog once; an entry whose dialog is not
// registered stays disabled in the menu.
class DedicatedDialogs {
public:
    using Factory = std::function<QDialog*(QWidget* owner)>;

    static void Register(std::string_view className, Factory factory);
    // nullptr when no dialog of that name is registered.
    static const Factory* Find(std::string_view className);
};
