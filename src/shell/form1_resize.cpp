#include "shell/form1.h"

namespace shell {

namespace {

constexpr int kFindingsHeightAfterSnap = 2400;
// A size correction raises the resize again; one width and one height
// correction are all a layout ever needs. Deeper, the window system is not
// giving us the size we ask for, and asking again would never end.
constexpr int kMostSizeCorrections = 2;

}  // namespace

void Form1::Resize() {
    if (window.state() == ui::WindowState::Minimized) {
        TrayArea1.ToolTip(kProductTitle);
        TrayArea1.Visible(true);
    }

    // The window system refuses to size a minimised or maximised window; the
    // correction then fails and the rest of the step still holds.
    const bool sizable = window.state() == ui::WindowState::Normal && sizeCorrections_ < kMostSizeCorrections;
    if (window.width() < kMinimumWidth) {
        if (sizable) {
            ++sizeCorrections_;
            window.resizeTo(kSnapWidth, window.height());
            --sizeCorrections_;
        }
        Viewn2.setHeight(kFindingsHeightAfterSnap);
        return;
    }
    if (window.height() < kMinimumHeight) {
        if (sizable) {
            ++sizeCorrections_;
            window.resizeTo(window.width(), kMinimumHeight);
            --sizeCorrections_;
        }
        return;
    }
    layOut(window.width(), window.height());
}

// Each step reads the sizes the previous ones left; a step whose size would
// come out negative is refused by the control and leaves it as it was.
void Form1::layOut(int width, int height) {
    Line1Right = {width - 300, width - 300};

    View1.setHeight(2400);
    View1.setWidth(width - 100);
    View1.setHeight(2400 + (height - 6000) - Frame5.height());
    View2.setHeight(3000);
    View2.setWidth(width - 100);
    View2.setHeight(3000 + (height - 6000) - Frame5.height());

    Frame1.setWidth(width - 100);
    Frame3.setWidth(width - 100);
    View1.setLeft(1);
    View2.setLeft(1);
    Label2.setLeft(width - Label2.width() - 300);
    cButton5.setLeft(width - cButton5.width() - 120);
    Text2.setLeft(width - Text2.width() - cButton5.width() - 200);

    for (ui::Frame* frame : {&Frame5, &Frame6}) {
        frame->setTop(height - StatusBar1.height() - frame->height() - 600);
        frame->setWidth(width - 200);
    }
    Label4.setTop(View1.top() + View1.height() + 300);
    Image2.setTop(View1.top() + View1.height() + 150);
    Frame7.setTop(height - StatusBar1.height() - Frame7.height() - 600);
    Frame7.setWidth(width - 200);

    Viewn1.setWidth(width - 100);
    Viewn2.setWidth(width - 100);
    Viewn2.setHeight(height - Viewn1.height() - Frame7.height() - StatusBar1.height() - Frame1.height() -
                     Frame3.height() - 600);
    Label1.setTop(Frame7.top() - 200);

    Image1.setLeft(Frame3.left() + Frame3.width() - Image1.width() - 100);
    Image4.setLeft(Frame3.left() + Frame3.width() - Image4.width() - 1500);
}

void Form1::DblClick() { window.setState(ui::WindowState::Maximized); }

}  // namespace shell
