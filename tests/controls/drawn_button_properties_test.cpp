#include <gtest/gtest.h>

#include "controls/fake_button_host.h"

namespace {

using namespace controls_test;
namespace k = controls::button_keys;

Picture smallPicture(Color c) { return Picture{0x51, 2, 1, {c, c}}; }

TEST(DrawnButtonProperties, NewButtonTakesTheDefaults) {
    FakeButtonHost host;
    DrawnButton b(host.host(), "exitMenuButton");
    b.InitProperties();
    EXPECT_EQ(b.Caption(), "exitMenuButton");
    EXPECT_EQ(b.Font(), host.hostFont);
    EXPECT_EQ(b.BackColor(), 0x8000000Fu);
    EXPECT_EQ(b.BackOver(), 0x8000000Fu);
    EXPECT_EQ(b.ForeColor(), 0x80000012u);
    EXPECT_EQ(b.ForeOver(), 0x80000012u);
    EXPECT_EQ(b.MaskColor(), 12632256u);
    EXPECT_EQ(b.ButtonType(), 2);
    EXPECT_EQ(b.ColorScheme(), 1);
    EXPECT_TRUE(b.Enabled());
    EXPECT_TRUE(b.ShowFocusRect());
    EXPECT_TRUE(b.UseMaskColor());
    EXPECT_FALSE(b.UseGreyscale() || b.SoftBevel() || b.HandPointer() || b.CheckBoxBehaviour() || b.Value());
    EXPECT_EQ(b.MousePointer(), 0);
    EXPECT_EQ(b.PicturePosition(), 0);
    EXPECT_EQ(b.SpecialEffect(), 0);
    EXPECT_TRUE(b.PictureNormal().isNothing());
    EXPECT_EQ(b.Version(), "2.0.6");
    EXPECT_EQ(b.hwnd(), 0xB077u);
    EXPECT_EQ(b.palette().face, kSysFace);
}

TEST(DrawnButtonProperties, SavingWritesEveryKey) {
    PlacedButton b;
    MemoryPropertyBag bag;
    b->WriteProperties(bag);
    EXPECT_EQ(bag.size(), 23u);
    for (const char* key : {"BCOL", "BCOLO", "FCOL", "FCOLO", "MCOL", "BTYPE", "TX", "ENAB", "FONT", "COLTYPE",
                            "FOCUSR", "MPTR", "MICON", "HAND", "SOFT", "PICN", "PICH", "PICPOS", "UMCOL", "NGREY",
                            "FX", "CHECK", "VALUE"})
        EXPECT_TRUE(bag.contains(key)) << key;
}

TEST(DrawnButtonProperties, SettingsComeBackAfterSaveAndLoad) {
    PlacedButton b;
    b->BackColor(rgb(1, 2, 3));
    b->BackOver(rgb(4, 5, 6));
    b->ForeColor(rgb(7, 8, 9));
    b->ButtonType(7);
    b->Caption("E&xit");
    b->ColorScheme(2);
    b->SoftBevel(true);
    b->PictureNormal(smallPicture(rgb(9, 9, 9)));
    b->PictureOver(smallPicture(rgb(200, 9, 9)));
    b->PicturePosition(3);
    b->SpecialEffect(2);
    b->CheckBoxBehaviour(true);
    b->Value(true);
    b->FontBold(true);
    MemoryPropertyBag bag;
    b->WriteProperties(bag);

    PlacedButton loaded;
    loaded->ReadProperties(bag);
    EXPECT_EQ(loaded->BackColor(), rgb(1, 2, 3));
    EXPECT_EQ(loaded->BackOver(), rgb(4, 5, 6));
    EXPECT_EQ(loaded->ForeColor(), rgb(7, 8, 9));
    EXPECT_EQ(loaded->ButtonType(), 7);
    EXPECT_EQ(loaded->Caption(), "E&xit");
    EXPECT_EQ(loaded->accessKeys(), "x");
    EXPECT_TRUE(loaded->SoftBevel());
    EXPECT_EQ(loaded->PictureOver(), smallPicture(rgb(200, 9, 9)));
    EXPECT_EQ(loaded->PicturePosition(), 3);
    EXPECT_EQ(loaded->SpecialEffect(), 2);
    EXPECT_TRUE(loaded->Value());
    EXPECT_TRUE(loaded->FontBold());
    EXPECT_EQ(loaded->palette().face, rgb(1, 2, 3));
}

TEST(DrawnButtonProperties, PictureOverIsMarkedUnderItsSavedKey) {
    PlacedButton b;
    b->PictureOver(smallPicture(rgb(1, 1, 1)));
    EXPECT_TRUE(b->changes().isChanged("PICH"));
}

TEST(DrawnButtonProperties, MissingHoverColoursDefaultToTheColoursRead) {
    MemoryPropertyBag bag;
    bag.WriteProperty(k::BackColor, std::int32_t{0x123456});
    bag.WriteProperty(k::ForeColor, std::int32_t{0x654321});
    bag.WriteProperty(k::ButtonType, std::string("nine"));  // mistyped: default
    PlacedButton b;
    b->ReadProperties(bag);
    EXPECT_EQ(b->BackOver(), 0x123456u);
    EXPECT_EQ(b->ForeOver(), 0x654321u);
    EXPECT_EQ(b->ButtonType(), 2);
    EXPECT_EQ(b->Caption(), "okButton");
}

TEST(DrawnButtonProperties, EverySetterMarksItsKey) {
    PlacedButton b;
    b->ForeOver(1);
    b->MaskColor(2);
    b->Enabled(false);
    b->FontSize(10);
    b->ShowFocusRect(false);
    b->MousePointer(3);
    b->HandPointer(true);
    b->UseMaskColor(false);
    b->UseGreyscale(true);
    b->PictureNormal(smallPicture(1));
    for (const char* key : {"FCOLO", "MCOL", "ENAB", "FONT", "FOCUSR", "MPTR", "HAND", "UMCOL", "NGREY", "PICN"})
        EXPECT_TRUE(b->changes().isChanged(key)) << key;
    EXPECT_FALSE(b->changes().isChanged("BCOL"));
}

TEST(DrawnButtonProperties, DesignTimeColoursAlsoSetTheHoverColours) {
    PlacedButton design(80, 24, "x", false);
    design->BackColor(rgb(1, 1, 1));
    design->ForeColor(rgb(2, 2, 2));
    EXPECT_EQ(design->BackOver(), rgb(1, 1, 1));
    EXPECT_EQ(design->ForeOver(), rgb(2, 2, 2));
    EXPECT_TRUE(design->changes().isChanged("BCOLO"));

    PlacedButton live;
    live->BackColor(rgb(1, 1, 1));
    live->ForeColor(rgb(2, 2, 2));
    EXPECT_EQ(live->BackOver(), 0x8000000Fu);
    EXPECT_EQ(live->ForeOver(), 0x80000012u);
}

TEST(DrawnButtonProperties, StyleFiveBoldsTheFontOnlyAtDesignTime) {
    PlacedButton design(80, 24, "x", false);
    design->ButtonType(5);
    EXPECT_TRUE(design->FontBold());
    PlacedButton live;
    live->ButtonType(5);
    EXPECT_FALSE(live->FontBold());
}

TEST(DrawnButtonProperties, ChangingStyleReshapesAndRecapturesForStyleEleven) {
    PlacedButton b;
    b->ButtonType(13);
    EXPECT_EQ(b.host.region.kind, RegionShape::Kind::Ellipse);
    EXPECT_EQ(b->layout().focus, (Rect{3, 3, 77, 21}));
    EXPECT_EQ(b.host.backgroundCaptures, 0);
    b->ButtonType(11);
    EXPECT_EQ(b.host.backgroundCaptures, 1);
    b->Hide();
    b->ButtonType(2);
    b->ButtonType(11);
    EXPECT_EQ(b.host.backgroundCaptures, 1);
}

TEST(DrawnButtonProperties, HandPointerSwitchesTheCursor) {
    PlacedButton b;
    const int drawn = b.host.presents;
    b->HandPointer(true);
    EXPECT_EQ(b.host.pointerKind, 99);
    EXPECT_TRUE(b.host.handCursor);
    b->MouseIcon(smallPicture(5));
    b->HandPointer(false);
    EXPECT_EQ(b.host.pointerKind, 1);
    EXPECT_EQ(b->MousePointer(), 1);
    EXPECT_TRUE(b->MouseIcon().isNothing());
    EXPECT_TRUE(b.host.mouseIcon.isNothing());
    EXPECT_EQ(b.host.presents, drawn);  // the cursor is no part of the picture
}

TEST(DrawnButtonProperties, CaptionSetsTheAccessKey) {
    PlacedButton b;
    b->Caption("Save && E&xit");
    EXPECT_EQ(b->accessKeys(), "x");
    b->Caption("");
    EXPECT_EQ(b->accessKeys(), "");
}

TEST(DrawnButtonProperties, EnabledIsPassedToTheWindow) {
    PlacedButton b;
    b->Enabled(false);
    EXPECT_FALSE(b.host.windowEnabled);
}

}  // namespace
