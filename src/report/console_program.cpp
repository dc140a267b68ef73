#include "report/console_program.h"

#include "product/version.h"

namespace report {

namespace {

constexpr std::string_view kProgram = "vantrelc";

int usageError(Console& console, const std::string& message) {
    console.error.write(std::string(kProgram) + ": " + message + "\r\n\r\n" + usageText());
    return kUsageError;
}

const ReportKind* kindOf(const ReportKinds& kinds, What what) {
    for (const ReportKind& kind : kinds)
        if (kind.what == what && kind.read) return &kind;
    return nullptr;
}

int notWritable(Console& console, const std::string& file, platform::Status status) {
    console.error.write(std::string(kProgram) + ": cannot write " + console.ansiToUtf8(file) + ": " +
                        console.ansiToUtf8(console.machine.desktop.statusText(static_cast<std::uint32_t>(status))) +
                        "\r\n");
    return kNotWritable;
}

}  // namespace

int runConsole(const std::vector<std::string>& arguments, Console& console) {
    const ParsedCommand command = parseCommandLine(arguments);
    if (command.kind == ParsedCommand::Kind::Error) return usageError(console, command.error);
    if (command.kind == ParsedCommand::Kind::Usage) {
        console.out.write(usageText());
        return kDone;
    }
    const ReportRequest& request = command.request;
    const ReportKind* kind = kindOf(console.kinds, request.what);
    if (!kind)
        return usageError(console, "report '" + std::string(nameOf(request.what)) + "' is not available in this build");

    // An output that cannot be written is told before a long scan, not after it.
    if (request.outputFile) {
        if (platform::Status status = console.machine.files.writeFile(*request.outputFile, {}))
            return notWritable(console, *request.outputFile, status);
    }

    ProgressLine progress(console.error, console.errorIsConsole, console.seconds);
    ReportContext context{console.machine, request, console.ansiToUtf8,
                          [&](std::string_view text) {
                              progress.finish();
                              console.error.write(std::string(kProgram) + ": " + std::string(text) + "\r\n");
                          },
                          progress};
    const Report report = kind->read(context);
    progress.finish();

    const Heading heading{"Vantrel", product::kVersionText};
    if (request.outputFile) {
        const std::string bytes = writeReport(request.format, report, heading, Destination::File);
        if (platform::Status status = console.machine.files.writeFile(*request.outputFile, bytes))
            return notWritable(console, *request.outputFile, status);
    } else {
        console.out.write(writeReport(request.format, report, heading, Destination::StandardOutput));
    }
    return kind->recordsAreFindings && !report.records.empty() ? kFound : kDone;
}

}  // namespace report
