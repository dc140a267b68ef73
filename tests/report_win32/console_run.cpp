#include "report_win32/console_run.h"

#include <windows.h>

#include <fstream>
#include <sstream>

namespace report_test {

namespace {

std::string testFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\'));
}

// A new file of its own for each run, so no run reads what an earlier one left.
std::string freshFile() {
    char path[MAX_PATH] = {};
    GetTempFileNameA(testFolder().c_str(), "vrc", 0, path);
    return path;
}

HANDLE inheritableFile(const std::string& path) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

std::string contentsOf(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// The child's handles may outlive its exit for a moment under Wine.
void removeSoon(const std::string& path) {
    for (int tries = 0; tries < 40 && !DeleteFileA(path.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND; ++tries)
        Sleep(50);
}

}  // namespace

std::string consoleProgramPath() { return testFolder() + "\\..\\vantrelc.exe"; }

ConsoleRun runProgram(const std::string& commandLine, const std::string& folder) {
    const std::string outPath = freshFile(), errorPath = freshFile();
    HANDLE out = inheritableFile(outPath), error = inheritableFile(errorPath);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out;
    startup.hStdError = error;
    PROCESS_INFORMATION process{};
    std::string line = commandLine;
    ConsoleRun run;
    if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, folder.c_str(),
                       &startup, &process)) {
        WaitForSingleObject(process.hProcess, 120000);
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        run.exitCode = static_cast<int>(code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(out);
    CloseHandle(error);
    run.out = contentsOf(outPath);
    run.error = contentsOf(errorPath);
    removeSoon(outPath);
    removeSoon(errorPath);
    return run;
}

ConsoleRun runConsoleProgram(const std::string& arguments, const std::string& folder) {
    std::string commandLine(1, '"');
    commandLine.append(consoleProgramPath()).append("\" ").append(arguments);
    return runProgram(commandLine, folder);
}

std::vector<std::vector<std::string>> readCsv(const std::string& bytes) {
    std::vector<std::vector<std::string>> rows;
    std::size_t at = bytes.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
    std::vector<std::string> row;
    std::string field;
    bool quoted = false;
    for (; at < bytes.size(); ++at) {
        const char c = bytes[at];
        if (quoted) {
            if (c != '"') field += c;
            else if (at + 1 < bytes.size() && bytes[at + 1] == '"') field += '"', ++at;
            else quoted = false;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            row.push_back(std::move(field));
            field.clear();
        } else if (c == '\r' && at + 1 < bytes.size() && bytes[at + 1] == '\n') {
            row.push_back(std::move(field));
            field.clear();
            rows.push_back(std::move(row));
            row.clear();
            ++at;
        } else {
            field += c;
        }
    }
    if (!field.empty() || !row.empty()) {
        row.push_back(std::move(field));
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace report_test
