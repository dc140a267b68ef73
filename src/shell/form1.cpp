#include "shell/form1.h"

#include <initializer_list>

namespace shell {

namespace {

// Page buttons share one size and sit left to right in their frame.
constexpr int kPageButtonLeft = 120;
constexpr int kPageButtonPitch = 2010;
constexpr int kPageButtonTop = 135;
constexpr int kPageButtonWidth = 1890;
constexpr int kPageButtonHeight = 495;
constexpr int kMenuButtonHeight = 1245;

ui::Rect pageButton(int slot) {
    return {kPageButtonLeft + slot * kPageButtonPitch, kPageButtonTop, kPageButtonWidth, kPageButtonHeight};
}

ui::Rect menuButton(int left, int width, int top = 165) { return {left, top, width, kMenuButtonHeight}; }

// Hidden working fields have no place on screen worth naming.
constexpr ui::Rect kWorkingField{0, 0, 1215, 285};

}  // namespace

Form1::Form1(platform::Machine& machine_, controls::NotifyShell& notifyShell, controls::TrayHost& trayHost,
             std::function<double()> random)
    : machine(machine_),
      store(machine_.registry, machine_.profile, machine_.files),
      language(store, machine_.files, [this] { return Text16.text(); }),
      window("Form1", {0, 0, kDesignWidth, kDesignHeight}, kProductTitle),
      Frame3("Frame3", {-15, -75, 10530, 1455}),
      drawnButton4("drawnButton4", menuButton(165, 1035), "&Voririruzer Iziv "),
      drawnButton7("drawnButton7", menuButton(1275, 1320, 150), "&Zedid Uz Edidavude"),
      drawnButton8("drawnButton8", menuButton(2610, 1035), "&Dozezeza Roruradur"),
      drawnButton9("drawnButton9", menuButton(3735, 1035), "&Options"),
      drawnButton10("drawnButton10", menuButton(4860, 1035), "&Help"),
      drawnButton11("drawnButton11", menuButton(6060, 1035), " &About"),
      drawnButton12("drawnButton12", menuButton(7275, 1035), "       &Exit        "),
      drawnButton6("drawnButton6", menuButton(8400, 1035), "Broken ShortCuts"),
      Image1("Image1", {9140, 120, 1275, 1215}, "#1"),
      Image4("Image4", {8400, 420, 615, 615}, "emblem"),
      Frame1("Frame1", {-15, 1380, 10530, 855}),
      Frame2("Frame2", {0, 0, 1215, 735}),
      Frame4("Frame4", {0, 0, 1215, 735}),
      Label3("Label3", {390, 1545, 6000, 285}),
      Label2("Label2", {8580, 6480, 1500, 255}),
      Text2("Text2", {7545, 1515, 1605, 285}),
      cButton5("cButton5", {9180, 1515, 1110, 285}, "    Find"),
      View1("View1", {135, 1920, 10200, 3825},
            {{"Program Name", 3500}, {"Uninstalling String", 6500}, {"", 0}}),
      Label4("Label4", {390, 6045, 7000, 255}),
      Image2("Image2", {135, 5895, 240, 240}, "selection"),
      View2("View2", {135, 1920, 10200, 3105},
            {{"Program Name", 2000}, {"Command Line", 4500}, {"Location", 15000}, {"", 0}, {"", 0}, {"", 0}}),
      Viewn1("Viewn1", {30, 2055, 8520, 1410}, {{"what to scan", 4410}, {"Description", 7056}}, true),
      Viewn2("Viewn2", {30, 3480, 8550, 2400},
             {{"Invalid Data Location", 10583}, {"Bad Reference value", 7056}, {"", 0}}, true),
      Label1("Label1", {45, 6450, 7530, 300}),
      Frame5("Frame5", {45, 5835, 10300, 765}),
      drawnButton16("drawnButton16", pageButton(0), "Check bad entries"),
      drawnButton5("drawnButton5", pageButton(1), "   Refresh"),
      drawnButton13("drawnButton13", pageButton(2), "Program Info"),
      drawnButton14("drawnButton14", pageButton(3), "   Delete"),
      drawnButton15("drawnButton15", pageButton(4), "   Uninstall"),
      Frame6("Frame6", {45, 5835, 10300, 765}),
      drawnButton21("drawnButton21", pageButton(0), "     Add"),
      drawnButton17("drawnButton17", pageButton(1), "     Edit"),
      drawnButton18("drawnButton18", pageButton(2), "     Delete"),
      drawnButton19("drawnButton19", pageButton(3), "   Disable"),
      drawnButton20("drawnButton20", pageButton(4), "   Enable"),
      Frame7("Frame7", {45, 5835, 10300, 765}),
      drawnButton26("drawnButton26", pageButton(0), "     Start"),
      drawnButton22("drawnButton22", pageButton(1), "     Select all"),
      drawnButton23("drawnButton23", pageButton(2), "  Select non"),
      drawnButton24("drawnButton24", pageButton(3), "   Delete"),
      drawnButton25("drawnButton25", pageButton(4), "   Refresh"),
      StatusBar1("StatusBar1", {0, kDesignClientHeight - 345, kDesignClientWidth, 345}, 2),
      Text1("Text1", kWorkingField),
      Text3("Text3", kWorkingField, "0"),
      Text4("Text4", kWorkingField),
      Text5("Text5", kWorkingField),
      Text6("Text6", kWorkingField),
      Text9("Text9", kWorkingField),
      Text10("Text10", kWorkingField),
      Text7("Text7", kWorkingField),
      Text8("Text8", kWorkingField),
      Text11("Text11", kWorkingField),
      Text12("Text12", kWorkingField),
      Text13("Text13", kWorkingField),
      Text14("Text14", kWorkingField),
      Text15("Text15", kWorkingField),
      Text16("Text16", kWorkingField),
      TrayArea1(notifyShell, trayHost, *this, std::move(random), true) {
    buildLayout();
    wireHandlers();
}

// The icon must not outlive the window in the notification area.
Form1::~Form1() { TrayArea1.Terminate(); }

void Form1::buildLayout() {
    using Controls = std::initializer_list<ui::Control*>;
    window.add(Frame3);
    for (ui::Control* control : Controls{&drawnButton4, &drawnButton7, &drawnButton8, &drawnButton9, &drawnButton10,
                                         &drawnButton11, &drawnButton12, &drawnButton6, &Image1, &Image4})
        window.add(*control, &Frame3);
    for (ui::Control* control : Controls{&Frame1, &Frame2, &Frame4, &Label3, &Label2, &Text2, &cButton5, &View1,
                                         &Label4, &Image2, &View2, &Viewn1, &Viewn2, &Label1})
        window.add(*control);

    struct PageFrame {
        ui::Frame& frame;
        std::array<ui::Button*, 5> buttons;
    };
    for (const PageFrame& page :
         {PageFrame{Frame5, {&drawnButton16, &drawnButton5, &drawnButton13, &drawnButton14, &drawnButton15}},
          PageFrame{Frame6, {&drawnButton21, &drawnButton17, &drawnButton18, &drawnButton19, &drawnButton20}},
          PageFrame{Frame7, {&drawnButton26, &drawnButton22, &drawnButton23, &drawnButton24, &drawnButton25}}}) {
        window.add(page.frame);
        for (ui::Button* button : page.buttons) window.add(*button, &page.frame);
    }
    window.add(StatusBar1);
    for (ui::TextBox* field : {&Text1, &Text3, &Text4, &Text5, &Text6, &Text7, &Text8, &Text9, &Text10, &Text11,
                               &Text12, &Text13, &Text14, &Text15, &Text16}) {
        field->hide();
        window.add(*field);
    }

    // The uninstall page is on show until the first menu command.
    for (ui::Control* control : Controls{&Frame6, &Frame7, &View2, &Viewn1, &Viewn2, &Frame1, &Frame2, &Frame4,
                                         &drawnButton6, &Image2})
        control->hide();
    Line1Right = {kDesignWidth - 300, kDesignWidth - 300};
}

void Form1::wireHandlers() {
    drawnButton4.onClick = [this] { ShowUninstallPage(); };
    drawnButton7.onClick = [this] { ShowStartupPage(); };
    drawnButton8.onClick = [this] { ShowScannerPage(); };
    drawnButton9.onClick = [this] { OptionsCommand(); };
    drawnButton10.onClick = [this] { HelpCommand(); };
    drawnButton11.onClick = [this] { AboutCommand(); };
    drawnButton12.onClick = [this] { ExitCommand(); };

    auto find = [this] {
        if (findNext) findNext();
    };
    cButton5.onClick = find;
    Text2.onEnter = find;
    Text2.onChange = [this] { Text14.setText("1"); };
    Text3.onChange = [this] { uninstallSignalChanged(); };
    Text7.onChange = [this] { startupSignalChanged(); };

    window.onResize = [this] { Resize(); };
    window.onClose = [this] { Unload(); };
    window.onGotFocus = [this] { GotFocus(); };
}

}  // namespace shell
