#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <filesystem>

namespace velmora::test {

// A folder of tests/data, e.g. testData("golden/full-comma").
inline std::filesystem::path testData(const std::filesystem::path& relative) {
    return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "data" /
           relative;
}

// Copies the files of a tests/data folder into a study folder, replacing what is there.
inline void copyData(const std::filesystem::path& relative, const std::filesystem::path& study) {
    std::filesystem::create_directories(study);
    for (const auto& entry : std::filesystem::directory_iterator(testData(relative)))
        std::filesystem::copy_file(entry.path(), study / entry.path().filename(),
                                   std::filesystem::copy_options::overwrite_existing);
}

// The text of a PDF file as pdftotext reads it, or a null string when it cannot.
inline QString pdfText(const std::filesystem::path& pdf) {
    QProcess process;
    process.start(
        QStringLiteral("pdftotext"),
        {QStringLiteral("-layout"), QString::fromStdString(pdf.string()), QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace velmora::test
