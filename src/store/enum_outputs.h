#pragma once
// Where the enumerations report besides their result text: the main window's
// working lists, its Text1 field, its status caption and its search box.
#include <string>
#include <vector>

namespace store {

enum class WorkingList { List1, List4, List5 };

class EnumOutputs {
public:
    virtual ~EnumOutputs() = default;
    virtual void clearList(WorkingList list) = 0;
    virtual void addToList(WorkingList list, const std::string& item) = 0;
    // The status caption (Label1): shows each name as it is read, repainted at once.
    virtual void showProgress(const std::string& name) = 0;
    virtual std::string text1() const = 0;
    virtual void setText1(const std::string& text) = 0;
    // The search box (Text2); its numeric value 2 stops fEnumKey1.
    virtual std::string searchText() const = 0;
};

// Plain fields, for callers that just want the results and for tests.
struct WorkingOutputs : EnumOutputs {
    std::vector<std::string> List1, List4, List5;
    std::string Text1, Label1, Text2;
    int progressShown = 0;

    std::vector<std::string>& list(WorkingList which) {
        return which == WorkingList::List1 ? List1 : which == WorkingList::List4 ? List4 : List5;
    }
    void clearList(WorkingList which) override { list(which).clear(); }
    void addToList(WorkingList which, const std::string& item) override { list(which).push_back(item); }
    void showProgress(const std::string& name) override {
        Label1 = name;
        ++progressShown;
    }
    std::string text1() const override { return Text1; }
    void setText1(const std::string& text) override { Text1 = text; }
    std::string searchText() const override { return Text2; }
};

}  // namespace store
