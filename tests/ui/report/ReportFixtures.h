#pragma once

#include "TestProcess.h"

#include <QString>

#include <filesystem>

namespace velmora::test {

// The text of a PDF file as pdftotext reads it, or a null string when it cannot.
inline QString pdfText(const std::filesystem::path& pdf) {
    const auto run = testing::TestProcess::run("pdftotext", "-layout \"" + pdf.string() + "\" -");
    if (run.exitCode != 0) return QString();
    return QString::fromStdString(run.out);
}

} // namespace velmora::test
