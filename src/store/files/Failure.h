#pragma once

#include "store/base/Result.h"

#include <exception>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace velmora::store {

// Builds the errors of the core, keeping the operating system's own words for what went wrong.
class Failure {
public:
    // What a failure was part of, kept in Error::detail where the sentence for the user depends
    // on it; an empty detail is a plain read or write of the file.
    static constexpr std::string_view kPointer = "reading the current-study pointer";
    static constexpr std::string_view kCurrentStudy = "reaching the current study";
    static constexpr std::string_view kListingStudy = "listing the current study";
    // A study path that leads out of the installation folder, and is refused for it.
    static constexpr std::string_view kOutsideInstallation = "a study outside the program folder";
    // A value file that is a link to a file outside its folder, and is not read for it.
    static constexpr std::string_view kLinkOutside = "a link out of its folder";
    static constexpr std::string_view kAppendingStudy = "appending to the list of studies";
    // Correcting, copying or putting away a study, which rewrites the list.
    static constexpr std::string_view kChangingList = "changing the list of studies";
    // Renaming a study folder, for a new owner's name.
    static constexpr std::string_view kStudyRename = "renaming the study folder";
    static constexpr std::string_view kAppendingEngineer = "appending to the engineer registry";
    // Creating the program folder, or, for a failure to read, reaching it.
    static constexpr std::string_view kProgramFolder = "creating the program folder";
    // No home folder to find the program folder by.
    static constexpr std::string_view kNoHome = "finding the home folder";
    static constexpr std::string_view kStudyFolder = "creating the study folder";
    // Moving a study folder in or out of the folder of put-away studies.
    static constexpr std::string_view kMovingStudy = "moving the study folder";
    static constexpr std::string_view kLock = "creating the lock file";
    static constexpr std::string_view kReportLock = "creating the lock file of a study's report";
    static constexpr std::string_view kReportBusy = "a study's report held by another program";
    static constexpr std::string_view kFolderSync = "syncing the folder";
    static constexpr std::string_view kPdf = "writing the PDF";
    static constexpr std::string_view kPdfInTheWay = "no file at the PDF's name";
    // Why a file could not be written, as far as the program can tell the user what to do.
    static constexpr std::string_view kDiskFull = "disk full";
    static constexpr std::string_view kNotPermitted = "not permitted";
    static constexpr std::string_view kFolderInTheWay = "folder in the way";
    static constexpr std::string_view kNotAFile = "no file in the way";

    // Why a study's report lock was not had, told of the study rather than of its lock file.
    static Error ofReportLock(const std::filesystem::path& study, const Error& why);

    static Error of(Error::Kind kind, const std::filesystem::path& file, std::string reason = {},
                    std::string_view detail = {});

    // The reason for an errno value, as the C library words it.
    static std::string reasonOfErrno(int error);
#ifdef _WIN32
    // The reason for a GetLastError value, as Windows words it in the user's language.
    static std::string reasonOfSystem(unsigned long error);
#endif
    // The reason a library call gave; empty when it gave none.
    static std::string reasonOf(const std::error_code& error);

    // The error that an exception nobody expected stands for.
    static Error unexpected(std::exception_ptr exception);
};

} // namespace velmora::store
