#include "shell/form1_fixture.h"

using form1_test::Form1Test;

TEST_F(Form1Test, Resize_NarrowWindowSnapsTo10600WideWithFindingsHeight2400) {
    auto& f = *form;
    f.window.resizeTo(8000, 8000);
    EXPECT_EQ(f.window.width(), 10600);
    EXPECT_EQ(f.window.height(), 8000);
    EXPECT_EQ(f.Viewn2.height(), 2400);
    EXPECT_EQ(f.View1.width(), 10600 - 100) << "the snapped width is laid out";

    f.window.resizeTo(8714, 8000);
    EXPECT_EQ(f.window.width(), 10600);
    f.window.resizeTo(8715, 8000);
    EXPECT_EQ(f.window.width(), 8715) << "8715 is wide enough";
}

TEST_F(Form1Test, Resize_ShortWindowGrowsTo7455High) {
    auto& f = *form;
    f.window.resizeTo(11000, 7000);
    EXPECT_EQ(f.window.width(), 11000);
    EXPECT_EQ(f.window.height(), 7455);
    EXPECT_EQ(f.Frame5.top(), 7455 - f.StatusBar1.height() - f.Frame5.height() - 600);

    f.window.resizeTo(8000, 7000);
    EXPECT_EQ(f.window.width(), 10600);
    EXPECT_EQ(f.window.height(), 7455);
}

TEST_F(Form1Test, Resize_LaysOutEveryRegionFromTheWindowSize) {
    auto& f = *form;
    // Sizes the rules read but never set.
    const int statusBar = f.StatusBar1.height(), pageFrame = f.Frame5.height(), frame1 = f.Frame1.height();
    const int categories = f.Viewn1.height(), label2 = f.Label2.width(), find = f.cButton5.width();
    const int search = f.Text2.width(), image1 = f.Image1.width(), image4 = f.Image4.width();
    ASSERT_EQ(pageFrame, 765);
    ASSERT_EQ(categories, 1410);

    f.window.resizeTo(12000, 9000);

    EXPECT_EQ(f.Line1Right[0], 11700);
    EXPECT_EQ(f.Line1Right[1], 11700);
    EXPECT_EQ(f.View1.bounds(), (ui::Rect{1, 1920, 11900, 2400 + 3000 - 765}));
    EXPECT_EQ(f.View2.left(), 1);
    EXPECT_EQ(f.View2.width(), 11900);
    EXPECT_EQ(f.View2.height(), 3000 + 3000 - 765);
    EXPECT_EQ(f.Frame1.width(), 11900);
    EXPECT_EQ(f.Frame3.width(), 11900);
    EXPECT_EQ(f.Label2.left(), 12000 - label2 - 300);
    EXPECT_EQ(f.cButton5.left(), 12000 - find - 120);
    EXPECT_EQ(f.Text2.left(), 12000 - search - find - 200);
    for (const ui::Frame* frame : {&f.Frame5, &f.Frame6, &f.Frame7}) {
        EXPECT_EQ(frame->top(), 9000 - statusBar - 765 - 600) << frame->name();
        EXPECT_EQ(frame->width(), 11800) << frame->name();
    }
    EXPECT_EQ(f.Label4.top(), 1920 + 4635 + 300);
    EXPECT_EQ(f.Image2.top(), 1920 + 4635 + 150);
    EXPECT_EQ(f.Viewn1.width(), 11900);
    EXPECT_EQ(f.Viewn1.height(), 1410);
    EXPECT_EQ(f.Viewn2.width(), 11900);
    EXPECT_EQ(f.Viewn2.height(), 9000 - 1410 - 765 - statusBar - frame1 - f.Frame3.height() - 600);
    EXPECT_EQ(f.Label1.top(), f.Frame7.top() - 200);
    EXPECT_EQ(f.Image1.left(), f.Frame3.left() + 11900 - image1 - 100);
    EXPECT_EQ(f.Image4.left(), f.Frame3.left() + 11900 - image4 - 1500);
    EXPECT_FALSE(f.TrayArea1.Visible()) << "only minimising shows the tray icon";
}

TEST_F(Form1Test, Resize_AStepThatWouldGiveANegativeSizeLeavesTheControlAsItWas) {
    auto& f = *form;
    f.Frame5.setHeight(5000);
    f.Frame7.setHeight(5000);
    f.window.resizeTo(10600, 7455);
    EXPECT_EQ(f.View1.height(), 2400) << "the final height would be negative";
    EXPECT_EQ(f.View2.height(), 3000);
    EXPECT_EQ(f.Viewn2.height(), 2400) << "unchanged from design";
    EXPECT_EQ(f.View1.width(), 10500) << "the steps after still run";
    EXPECT_EQ(f.Label1.top(), f.Frame7.top() - 200);
}

TEST_F(Form1Test, Resize_AWindowSystemThatKeepsTheWindowNarrowDoesNotLoopForever) {
    auto& f = *form;
    int sizeRequests = 0;
    f.window.observe([&](ui::Change change, int) {
        if (change != ui::Change::Geometry || f.window.width() == 8000) return;
        ++sizeRequests;
        f.window.resizeTo(8000, f.window.height());
    });
    f.window.resizeTo(8000, 8000);
    EXPECT_EQ(f.window.width(), 8000);
    EXPECT_EQ(f.Viewn2.height(), 2400);
    EXPECT_GE(sizeRequests, 1);
    EXPECT_LE(sizeRequests, 8);
}

TEST_F(Form1Test, Tray_MinimisingShowsTheIconWithTheProductTipAndItStays) {
    auto& f = *form;
    f.window.setState(ui::WindowState::Minimized);
    EXPECT_TRUE(f.TrayArea1.Visible());
    EXPECT_EQ(f.TrayArea1.ToolTip(), "Vantrel 2003");
    ASSERT_EQ(notifyShell.count(controls::kNimAdd), 1);
    EXPECT_EQ(f.TrayArea1.record().tipText(), "Vantrel 2003");

    f.window.setState(ui::WindowState::Normal);
    EXPECT_TRUE(f.TrayArea1.Visible()) << "the icon stays after the window comes back";
    f.window.setState(ui::WindowState::Minimized);
    EXPECT_EQ(notifyShell.count(controls::kNimAdd), 1) << "one icon, however often minimised";
    EXPECT_EQ(notifyShell.count(controls::kNimDelete), 0);
}

TEST_F(Form1Test, Tray_DoubleClickMaximisesTheWindow) {
    auto& f = *form;
    f.window.setState(ui::WindowState::Minimized);
    f.TrayArea1.MouseMove(515 * 15);  // the shell's WM_LBUTTONDBLCLK, carried in x
    EXPECT_EQ(f.window.state(), ui::WindowState::Maximized);
    EXPECT_TRUE(f.TrayArea1.Visible());
}
