#pragma once

#include <QString>
#include <QWidget>

#include <vector>

class QCheckBox;
class QTabWidget;

// The port selection panel that dialogs embed: one page per stacking unit,
// each with a grid of numbered port check boxes. It only builds and shows
// the boxes; the dialogs bind or read them.
class TPortUitForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int PortsPerUnit = 64;
    static constexpr int ColumnsWithDeviceInfo = 10;
    static constexpr const char* DeviceInfoFile = "DeviceInfo.ini";

    explicit TPortUitForm(QWidget* owner = nullptr);

    // firstPort is not used: the boxes of every unit are numbered from 1.
    void AddUnit(const QString& caption, int firstPort, int count, int columns);
    // Reveals the unit's page and its first count boxes; a unit text that is
    // no number, or a unit or box that does not exist, stops it quietly.
    void ShowUnit(const QString& unitText, const QString& modelName, int count);
    void ClearAll();

    QTabWidget* UnitPageControl;
    std::vector<QCheckBox*> PortBoxes;
    std::vector<QWidget*> UnitPages;

private:
    QCheckBox* AddPortBox(QWidget* parent, int index, int columns);
};
