#pragma once

#include <QFrame>

#include <string>

class ListView;
class OvSNMPRequest2Edits;
class TCtrlBtnPanel;

// A table page's list view, bound to the page's binding, together with the
// row-status values that adding and deleting a row write.
class TListViewPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int PixelsPerTitleCharacter = 8;
    static constexpr int MaximumWidth = 450;
    static constexpr int PanelHeight = 350;

    TListViewPanel(QWidget* parent, OvSNMPRequest2Edits* binding);

    void ArrangeCtrlBtn(TCtrlBtnPanel* buttons);

    ListView* List;
    OvSNMPRequest2Edits* EditCtrl;
    int AddStatusIndex = -1;
    int DeleteStatusIndex = -1;
    std::string AddStatusValue;
    std::string DeleteStatusValue;
};
