#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFontInfo>
#include <QTabWidget>

#include <filesystem>

#include "tempdir.h"
#include "tportuitform.h"

namespace {

// Every test runs in a working directory of its own, so whether
// "DeviceInfo.ini" exists is up to the test.
class PortUitForm : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.Path());
    }
    void TearDown() override { std::filesystem::current_path(previous_); }

    static int Shown(const TPortUitForm& form) {
        return static_cast<int>(std::count_if(form.PortBoxes.begin(), form.PortBoxes.end(),
                                              [](QCheckBox* b) { return !b->isHidden(); }));
    }

    TempDir dir_;
    std::filesystem::path previous_;
};

struct BoxCase {
    int box;  // 1-based
    int column;
    int row;
};

void ExpectGrid(const TPortUitForm& form, std::initializer_list<BoxCase> cases) {
    for (const BoxCase& c : cases) {
        QCheckBox* box = form.PortBoxes.at(static_cast<size_t>(c.box - 1));
        const int f = QFontInfo(box->font()).pointSize();
        const int h = box->height();
        EXPECT_EQ(box->text(), QString::number(c.box));
        EXPECT_EQ(box->x(), c.column * f * 5 + 20) << "box " << c.box;
        EXPECT_EQ(box->y(), c.row * h + 4) << "box " << c.box;
        EXPECT_EQ(box->width(), static_cast<int>(QString::number(c.box).size()) * f + 3 * f) << "box " << c.box;
    }
}

TEST_F(PortUitForm, TypicalUseShowsTwentyEightBoxesInRowsOfTwelve) {
    TPortUitForm form;
    EXPECT_EQ(form.size(), QSize(543, 252));
    form.AddUnit("Unit1", 1, 64, 12);
    ASSERT_EQ(form.PortBoxes.size(), 64u);
    ASSERT_EQ(form.UnitPages.size(), 1u);
    EXPECT_EQ(Shown(form), 0) << "boxes stay hidden until the unit is shown";
    EXPECT_EQ(QFontInfo(form.PortBoxes[0]->font()).pointSize(), 8);

    form.ShowUnit("1", "TQ-2400G", 28);
    EXPECT_EQ(form.UnitPageControl->tabText(0).toStdString(), "Unit1 TQ-2400G");
    EXPECT_FALSE(form.UnitPageControl->isTabVisible(0));
    EXPECT_EQ(form.UnitPageControl->currentWidget(), form.UnitPages[0]);
    for (int k = 0; k < 64; ++k)
        EXPECT_EQ(!form.PortBoxes[static_cast<size_t>(k)]->isHidden(), k < 28) << "box " << k + 1;
    ExpectGrid(form, {{1, 0, 0}, {12, 11, 0}, {13, 0, 1}, {24, 11, 1}, {25, 0, 2}, {28, 3, 2}, {64, 3, 5}});
}

TEST_F(PortUitForm, DeviceInfoFileMakesRowsOfTenWhateverItSays) {
    dir_.Write("DeviceInfo.ini", "[Device]\nColumns=12\n");
    TPortUitForm form;
    form.AddUnit("Unit1", 1, 64, 12);
    form.ShowUnit("1", "TQ-2400G", 28);
    ExpectGrid(form, {{10, 9, 0}, {11, 0, 1}, {28, 7, 2}});
}

TEST_F(PortUitForm, ShownBoxesOfAShownWindowAreOnScreenAndCaptionsFit) {
    TPortUitForm form;
    form.AddUnit("Unit1", 1, 64, 12);
    form.ShowUnit("1", "TQ-2400G", 28);
    form.show();
    EXPECT_TRUE(form.PortBoxes[27]->isVisible());
    EXPECT_FALSE(form.PortBoxes[28]->isVisible());
    for (size_t k = 0; k < 28; ++k)
        EXPECT_GE(form.PortBoxes[k]->width(), form.PortBoxes[k]->sizeHint().width())
            << "caption of box " << k + 1 << " is clipped";
}

TEST_F(PortUitForm, ShowUnitIgnoresWhatItCannotDo) {
    TPortUitForm form;
    form.AddUnit("Unit1", 1, 64, 12);
    form.AddUnit("Unit2", 65, 64, 12);
    struct Case {
        const char* unit;
        int count;
        int shown;
    } const cases[] = {{"x", 28, 0}, {"", 28, 0}, {"0", 28, 0}, {"3", 28, 0}, {"-1", 28, 0},
                       {"1", -5, 0}, {"2", 100, 64}, {"1", 5, 64 + 5}};
    for (const Case& c : cases) {
        EXPECT_NO_THROW(form.ShowUnit(c.unit, "TQ-2400G", c.count));
        EXPECT_EQ(Shown(form), c.shown) << "unit \"" << c.unit << "\"";
    }
    // Every call that finds its unit appends the model, even when it shows no box.
    EXPECT_EQ(form.UnitPageControl->tabText(0).toStdString(), "Unit1 TQ-2400G TQ-2400G");
    EXPECT_EQ(form.UnitPageControl->tabText(1).toStdString(), "Unit2 TQ-2400G");
    EXPECT_EQ(form.UnitPageControl->currentWidget(), form.UnitPages[0]);
}

TEST_F(PortUitForm, BoxesOfASecondUnitAreNumberedFromOneAfterTheFirstUnitsSixtyFour) {
    TPortUitForm form;
    form.AddUnit("Unit1", 1, 64, 12);
    form.AddUnit("Unit2", 65, 64, 12);
    ASSERT_EQ(form.PortBoxes.size(), 128u);
    EXPECT_EQ(form.PortBoxes[64]->text().toStdString(), "1");
    EXPECT_NE(form.PortBoxes[64]->parentWidget(), form.PortBoxes[0]->parentWidget());
    EXPECT_TRUE(form.UnitPages[1]->isAncestorOf(form.PortBoxes[64]));
}

TEST_F(PortUitForm, ClearAllUnchecksShownAndHiddenBoxesOfEveryUnit) {
    TPortUitForm form;
    form.AddUnit("Unit1", 1, 64, 12);
    form.AddUnit("Unit2", 65, 64, 12);
    form.ShowUnit("1", "TQ-2400G", 28);
    for (size_t k : {0u, 27u, 40u, 63u, 64u, 127u})
        form.PortBoxes[k]->setChecked(true);
    form.ClearAll();
    for (QCheckBox* box : form.PortBoxes)
        EXPECT_FALSE(box->isChecked()) << box->text().toStdString();
}

TEST_F(PortUitForm, ZeroColumnsLayTheBoxesOutInOneColumn) {
    TPortUitForm form;
    form.AddUnit("Unit1", 1, 3, 0);
    ExpectGrid(form, {{1, 0, 0}, {2, 0, 1}, {3, 0, 2}});
}

}  // namespace
