#pragma once

#include <QList>
#include <QStatusBar>

class QLabel;
class StatusPanel;

// A status bar of fixed-width panels, or, in simple-text mode, one text
// across the whole bar. A bar without panels always shows its simple text.
class StatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent = nullptr);

    // Appends a panel of the given width in pixels; returns it.
    StatusPanel* AddPanel(int width);
    int PanelCount() const;
    // The panel at index, nullptr when there is none.
    StatusPanel* Panel(int index) const;
    QString PanelText(int index) const;
    void SetPanelText(int index, const QString& text);

    bool SimplePanel() const { return simplePanel_; }
    // On: the simple text replaces the panels; off: the panels show.
    void SetSimplePanel(bool on);
    QString SimpleText() const;
    void SetSimpleText(const QString& text);

private:
    void UpdateMode();

    QLabel* simple_;
    QList<StatusPanel*> panels_;
    bool simplePanel_ = false;
};
