#pragma once

#include "TestProcess.h"

#include "store/base/TextPath.h"

#include <QRegularExpression>
#include <QString>

#include <filesystem>

namespace velmora::test {

// pdftotext, which reads a PDF back, is a program of the build machine: a Windows build of the
// tests, run under Wine, cannot start it (scripts/test-windows reads the PDFs of the installed
// velmora-cli.exe on the build machine instead).
inline bool canReadPdf() {
#ifdef _WIN32
    return false;
#else
    return true;
#endif
}
inline constexpr const char* kNoPdfReader =
    "pdftotext, which reads the PDF back, does not run here";

// The text of a PDF file as pdftotext reads it, or a null string when it cannot.
inline QString pdfText(const std::filesystem::path& pdf) {
    const auto run = testing::TestProcess::run(
        "pdftotext", "-layout \"" + store::TextPath::toUtf8(pdf) + "\" -");
    if (run.exitCode != 0) return QString();
    return QString::fromStdString(run.out);
}

// What a PDF's pages hold above their feet: the text without each page's number and date.
inline QString pdfReport(const std::filesystem::path& pdf) {
    static const QRegularExpression foot(
        QStringLiteral("^ *Σελίδα \\d+ από \\d+ +\\d\\d/\\d\\d/\\d{4} *$"),
        QRegularExpression::MultilineOption);
    return pdfText(pdf).remove(foot);
}

} // namespace velmora::test
