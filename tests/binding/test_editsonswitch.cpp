#include <gtest/gtest.h>

#include "listview.h"
#include "ovexception.h"
#include "ovoptionlist.h"
#include "ovsnmprequest2edits.h"
#include "ovvendor.h"
#include "radiogroup.h"
#include "statictext.h"
#include "simsessiontest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

const OvOptionDef StateTable[] = {{2, "disabled"}, {3, "enabled"}, {}};
const OvOptionList States(StateTable, OvOptionList::IntegerValues);

const OvSNMPVarDef DeviceScalars[] = {
    {VENDOR_ARC ".11.63.11.2.1.2.2", "System IP", SYN_IPADDRESS, ACC_READWRITE},
    {VENDOR_ARC ".11.63.11.2.1.2.16", "RMON State", SYN_INTEGER, ACC_READWRITE, &States},
    {VENDOR_ARC ".11.63.11.2.1.2.7", "IGMP Snooping", SYN_INTEGER, ACC_READWRITE, &States},
    {VENDOR_ARC ".11.63.11.2.1.2.22", "LLDP State", SYN_INTEGER, ACC_READWRITE, &States},
    {VENDOR_ARC ".11.63.11.2.1.2.5", "Management VLAN", SYN_INTEGER, ACC_READONLY},
    {},
};

const OvSNMPVarDef BandwidthTable[] = {
    {VENDOR_ARC ".11.63.11.2.3.1.1.1", "Port", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".11.63.11.2.3.1.1.2", "RX Rate", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".11.63.11.2.3.1.1.3", "TX Rate", SYN_INTEGER, ACC_READWRITE},
    {},
};

const OvSNMPVarDef VlanPorts[] = {
    {VENDOR_ARC ".11.63.11.2.23.2.3", "Port List", SYN_OCTETSTR, ACC_READWRITE},
    {},
};

// OID to "TYPE value" of the varbinds of the journal's SET lines.
std::map<std::string, std::string> Written(const std::vector<SimJournalEntry>& journal) {
    std::map<std::string, std::string> written;
    for (const SimJournalEntry& e : journal)
        if (e.operation == "SET")
            for (const SimVarbind& vb : e.varbinds) written[vb.oid] = vb.type + " " + vb.value;
    return written;
}

class EditsOnSwitch : public SimSessionTest {
protected:
    template <typename Start>
    bool RunAsync(OvSNMPRequest2Edits& b, bool get, Start start) {
        bool done = false;
        (get ? b.OnGetDone : b.OnSetDone) = [&done](OvSNMPRequest2Controls&, const OvSNMPError& record) {
            EXPECT_EQ(record.Code, 0) << record.Text;
            done = true;
        };
        start();
        return WaitFor([&done] { return done; });
    }

    QWidget form_;
    QPlainTextEdit memo_{&form_};
};

TEST_F(EditsOnSwitch, AScalarGroupFillsItsControlsAndIsWrittenBack) {
    std::vector<QLineEdit*> ip;
    for (int i = 0; i < 4; ++i) ip.push_back(new QLineEdit(&form_));
    QComboBox rmon(&form_);
    QCheckBox igmp("IGMP", &form_);
    RadioGroup lldp("LLDP", &form_);
    StaticText vlan(&form_);
    form_.resize(300, 400);
    igmp.move(0, 100);
    lldp.setGeometry(0, 150, 200, 100);
    form_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form_));
    OvSNMPRequest2Edits b(&form_);
    b.Request.List.Assign(OvSNMPVarList(DeviceScalars, SVT_SV, 0));
    b.SetStatusTarget(&memo_);
    b.AssociateFormatted(0, "%i{n0x255l3}%i{n0x255l3}%i{n0x255l3}%i{n0x255l3}", ip);
    b.Associate(1, &rmon);
    b.Associate(2, &igmp);
    b.Associate(3, &lldp);
    b.Associate(4, &vlan);

    ASSERT_TRUE(RunAsync(b, true, [&] { b.Get(); }));
    std::vector<std::string> shown;
    for (QLineEdit* e : ip) shown.push_back(e->text().toStdString());
    EXPECT_EQ(shown, (std::vector<std::string>{"10", "90", "90", "90"}));
    EXPECT_EQ(rmon.currentText(), "enabled");
    EXPECT_FALSE(igmp.isChecked());
    EXPECT_EQ(lldp.SelectedText(), "disabled");
    EXPECT_EQ(vlan.text(), "1");
    EXPECT_TRUE(memo_.toPlainText().startsWith("Get: Ok. Receive at"));

    ip[3]->setText("91");
    rmon.setCurrentIndex(0);
    QCoreApplication::processEvents();   // lays the group's new buttons out
    QTest::mouseClick(&igmp, Qt::LeftButton);
    // A radio button takes clicks on its mark and caption only, not across its width.
    QTest::mouseClick(lldp.Button(1), Qt::LeftButton, {}, QPoint(8, lldp.Button(1)->height() / 2));
    EXPECT_TRUE(igmp.isChecked());
    switch_.ClearJournal();
    ASSERT_TRUE(RunAsync(b, false, [&] { b.Set(true, true); }));
    const auto journal = switch_.Journal();
    ASSERT_EQ(journal.size(), 1u) << "a scalar group is not read again";
    const auto written = Written(journal);
    EXPECT_EQ(written.at(Vendor(".11.63.11.2.1.2.2.0")), "IPADDRESS 10.90.90.91");
    EXPECT_EQ(written.at(Vendor(".11.63.11.2.1.2.16.0")), "INTEGER 2");
    EXPECT_EQ(written.at(Vendor(".11.63.11.2.1.2.7.0")), "INTEGER 3");
    EXPECT_EQ(written.at(Vendor(".11.63.11.2.1.2.22.0")), "INTEGER 3");
    EXPECT_EQ(written.count(Vendor(".11.63.11.2.1.2.5.0")), 0u) << "a read-only item is not written";
    EXPECT_TRUE(memo_.toPlainText().contains("Set: Ok. Receive at"));
}

TEST_F(EditsOnSwitch, ATableFillsTheListViewAndTheSelectedRowIsWritten) {
    ListView view(&form_);
    QLineEdit rx(&form_), tx(&form_);
    form_.resize(500, 700);
    view.setGeometry(0, 0, 400, 600);
    form_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form_));
    OvSNMPRequest2Edits b(&form_);
    b.Request.List.Assign(OvSNMPVarList(BandwidthTable, MVT_FMV, 1));
    b.SetStatusTarget(&memo_);
    b.BindListView(&view, true);
    b.AssociateFormatted(1, "%i{n1x1000l4}", &rx);
    b.AssociateFormatted(2, "%i{n1x1000l4}", &tx);

    ASSERT_TRUE(RunAsync(b, true, [&] { b.Get(); }));
    ASSERT_EQ(view.RowCount(), 28);
    EXPECT_EQ(view.RowCells(view.Row(6)), QStringList({"7", "64", "32"}));
    EXPECT_FALSE(rx.isEnabled());

    view.scrollToItem(view.Row(6));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualItemRect(view.Row(6)).center());
    EXPECT_TRUE(rx.isEnabled());
    EXPECT_EQ(rx.text(), "64");
    EXPECT_EQ(tx.text(), "32");
    rx.selectAll();
    QTest::keyClicks(&rx, "50");
    EXPECT_EQ(rx.text(), "50");

    switch_.ClearJournal();
    ASSERT_TRUE(RunAsync(b, true, [&] { b.Set(true, true); }))   // done when the table is read again
        << memo_.toPlainText().toStdString();
    const auto journal = switch_.Journal();
    ASSERT_FALSE(journal.empty());
    EXPECT_EQ(journal[0].operation, "SET");
    const auto written = Written(journal);
    EXPECT_EQ(written.at(Vendor(".11.63.11.2.3.1.1.2.7")), "INTEGER 50");
    EXPECT_EQ(written.at(Vendor(".11.63.11.2.3.1.1.3.7")), "INTEGER 32");
    EXPECT_TRUE(std::all_of(written.begin(), written.end(),
                            [](const auto& w) { return w.first.ends_with(".7"); }));
    EXPECT_EQ(journal[1].operation, "GETNEXT");
    ASSERT_EQ(view.RowCount(), 28);
    EXPECT_EQ(view.RowCells(view.Row(6)), QStringList({"7", "50", "32"}));
}

TEST_F(EditsOnSwitch, PortBoxesShowAndWriteAPortList) {
    std::vector<QCheckBox*> boxes;
    std::string positions;
    for (int i = 0; i < 64; ++i) {
        boxes.push_back(new QCheckBox(QString::number(i + 1), &form_));
        positions += (i ? "," : "") + std::to_string(i);
    }
    OvSNMPRequest2Edits b(&form_);
    b.Mode = OvSNMPRequest2Controls::Synchronous;
    b.Request.List.Assign(OvSNMPVarList(VlanPorts, SVT_SV, 0));
    b.AssociateBits(0, positions, boxes);

    // The switch holds four octets: boxes beyond them cannot show.
    EXPECT_THROW(b.Get(), OvException);
    b.Dissociate(0);
    b.AssociateBits(0, positions.substr(0, positions.find(",32")), boxes);
    b.Get();
    for (int i = 0; i < 32; ++i) EXPECT_EQ(boxes[i]->isChecked(), i < 28) << "port " << i + 1;
    form_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form_));
    boxes[29]->move(0, 30);
    QTest::mouseClick(boxes[0], Qt::LeftButton);
    QTest::mouseClick(boxes[29], Qt::LeftButton);
    EXPECT_FALSE(boxes[0]->isChecked());
    switch_.ClearJournal();
    b.Set(true, true);
    EXPECT_EQ(Written(switch_.Journal()).at(Vendor(".11.63.11.2.23.2.3.0")), "STRING 7ffffff4");
}

}  // namespace
