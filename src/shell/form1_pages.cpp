#include "shell/form1.h"
#include "store/text_value.h"

namespace shell {

namespace {

constexpr double kUninstallRefreshValue = 556;
constexpr double kStartupRefreshValue = 2;
constexpr int kScannerListLeft = 30;
constexpr int kCategoryListTop = 2055;
constexpr int kFindingsListTop = 3480;

}  // namespace

void Form1::ShowUninstallPage() {
    // A listing still walking (this page's or another's) stops at its next yield.
    supersedeWalks();
    Image2.hide();
    Label3.setCaption(language.LangText(10));
    Label1.hide();
    StatusBar1.setPanel(2, language.LangText(110));
    cButton5.show();
    Text2.show();
    Text15.setText("1");
    Text1.setText("");
    View1.show();
    View2.hide();
    Viewn1.hide();
    Viewn2.hide();
    Frame7.hide();
    Frame6.hide();
    Frame5.show();
    Label1.setCaption("");
    if (listInstalledPrograms) listInstalledPrograms();
}

void Form1::ShowStartupPage() {
    supersedeWalks();
    View2.setSorted(false);
    Label3.setCaption(language.LangText(21));
    StatusBar1.setPanel(2, language.LangText(111));
    Image2.hide();
    Text15.setText("2");
    cButton5.show();
    Text2.show();
    Text1.setText("");
    View2.move(View1.left(), View1.top());
    View1.hide();
    View2.show();
    Viewn1.hide();
    Viewn2.hide();
    Frame7.hide();
    Label1.setCaption("");
    Frame6.move(Frame5.left(), Frame5.top());
    Frame6.show();
    Frame5.hide();
    Label4.setCaption("");
    if (listStartupEntries) listStartupEntries();
}

void Form1::ShowScannerPage() {
    supersedeWalks();
    Label3.setCaption(language.LangText(27));
    StatusBar1.setPanel(2, language.LangText(112));
    Image2.hide();
    Label1.show();
    Viewn1.move(kScannerListLeft, kCategoryListTop);
    Viewn2.move(kScannerListLeft, kFindingsListTop);
    Viewn1.show();
    Viewn2.show();
    View1.hide();
    View2.hide();
    // Earlier findings go; the category ticks stay.
    Viewn2.clear();
    cButton5.hide();
    Text2.hide();
    Frame7.move(Frame5.left(), Frame5.top());
    Frame7.show();
    Frame5.hide();
    Frame6.hide();
    Label1.setCaption("");
    Label4.setCaption("");
}

void Form1::signalUninstallRefresh(const std::string& text) {
    // The text box runs its handler only on a real change; the removal command
    // expects a rebuild after every removal, so an unchanged "556" counts too.
    if (Text3.text() == text) {
        uninstallSignalChanged();
        return;
    }
    Text3.setText(text);
}

void Form1::uninstallSignalChanged() {
    if (store::leadingNumber(Text3.text()) == kUninstallRefreshValue) ShowUninstallPage();
}

void Form1::startupSignalChanged() {
    if (store::leadingNumber(Text7.text()) == kStartupRefreshValue) ShowStartupPage();
}

}  // namespace shell
