#pragma once

#include "store/base/Result.h"
#include "store/base/Status.h"
#include "store/files/ValueFile.h"
#include "store/study/StatutoryAmounts.h"
#include "store/study/StudyDetails.h"
#include "store/text/TypedQuantity.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::store {

// The works a study prices, each kept in a file of its own.
enum class Work {
    Apportionment,
    Tachymetry,
    Urban,
    Polygonometry,
    Lines,
    Triangulation,
    Buildings,
    Thousandths,
    Plots,
};

// The tachymetry's quantities: the areas of its five slope classes, then the elevation option.
struct Tachymetry {
    static constexpr std::size_t kSlopes = 5;
    std::array<double, kSlopes> slopes{};
    double elevation = 0;
    // From the quantities as a study keeps them; what they lack is 0.
    static Tachymetry of(const std::vector<double>& quantities);
};

// One study folder, read and written by what its files mean. Windows, the calculation and the
// command-line tool all go through here; none of them names a file of the study.
class Study {
public:
    explicit Study(std::filesystem::path folder) : folder_(std::move(folder)) {}

    // The study the pointer file of the installation names, or why there is none.
    static Result<Study> current(const std::filesystem::path& installation);

    const std::filesystem::path& folder() const { return folder_; }
    // Whether this is the study the pointer file of the installation names.
    bool isCurrent(const std::filesystem::path& installation) const;

    struct WorkFile {
        Work work;
        std::string_view name;
        // How many numbers the work keeps.
        std::size_t items;
    };
    // Every work in the order the calculation prices them and the submit rewrites them.
    static const std::array<WorkFile, 9>& works();
    static const WorkFile& fileOf(Work work);

    // The owner, the site and the engineer; a field a short file lacks is empty.
    Result<StudyDetails> details() const;

    // The first item of the λ file as stored, for showing it.
    Result<std::string> lambdaItem() const;
    // λ as the calculation multiplies by it: a number single precision holds.
    Result<float> lambda() const;

    // The scale as the calculation prices by it: the first item as a number.
    Result<double> scale() const;
    // The first item of the scale file as stored, for showing it.
    Result<std::string> scaleItem() const;

    // The plan zone is read two ways. The work selection asks whether it equals 1: anything else,
    // a fraction or a word included, is outside the plan. The calculation and the summary round it
    // to a whole number and take 1 as inside: ",6" is inside for them. Both readings are here so
    // that neither is spelled again elsewhere.
    Result<bool> equalsInside() const;
    // The zone rounded to a whole number.
    Result<std::int16_t> roundedZone() const;
    // Whether the zone file holds an item at all.
    Result<std::string> zoneItem() const;

    // The specialty code of the study's engineer; nothing when its file cannot be read or does not
    // hold a whole number that fits.
    Result<int> specialtyCode() const;

    // The quantities of a work: a missing file or item is 0, an item that is not a number as
    // `onFault` says. The calculation reads on past such an item, the summary stops at it. A
    // file that is there but cannot be read gives its error.
    Result<std::vector<double>>
    quantities(Work work, ValueFile::OnFault onFault = ValueFile::OnFault::ZeroThatItem) const;
    // The items of a work's file as they stand, for telling which of them are no number; a
    // missing file holds none.
    Result<std::vector<std::string>> workItems(Work work) const;

    // The items of a work as an entry window shows them again, one for each item the work
    // keeps: a number in the user's format, any other text as stored, an empty or missing item
    // empty. A file that is there but cannot be read gives its error.
    Result<std::vector<TypedQuantity::Shown>> shownItems(Work work, char separator) const;

    // Whether the tachymetry's elevation item counts as levelling, as the summary shows it:
    // any number but 0.
    static bool elevationTicked(std::string_view item);

    // The elevation option to store with the tachymetry: the check box as it stands once the
    // user has touched it; until then the item as stored, so that an odd one (2, say) is kept.
    struct Elevation {
        bool ticked = false;
        // The stored item while the box is untouched; nothing once it is touched.
        std::optional<std::string> untouched;
    };

    // Stores the quantities of a work as the user typed them; the tachymetry also keeps whether
    // elevation is priced.
    Status storeTyped(Work work, const std::vector<TypedQuantity::Reading>& readings,
                      std::optional<Elevation> elevation = std::nullopt) const;

    // Rewrites every work file and the scale as numbers, as the work selection is left; why each
    // file that could not be rewritten failed.
    std::vector<Error> submit() const;

    // How many polygonometric points setting out a building of this area takes.
    static double buildingPoints(float area);
    // Stores the points that setting out a building of this area takes. The count is worked in
    // single precision: an area that it cannot hold is refused and nothing is written. The file
    // keeps the count, not the area, so an area left empty keeps the count stored; only a study
    // without one gets the count of an empty area.
    Status storeBuildingArea(std::optional<double> area) const;

    // Stores the scale picked from the list, as the list shows it.
    Status storeScale(std::string_view shown) const;
    // Stores the plan zone: 1 inside, 0 outside.
    Status storeZone(bool inside) const;

    // A change of this study that becomes the default for the studies created after it.
    struct Change {
        Status study;
        // Only tried once the study's own file is stored.
        Status defaults;
    };
    // λ as the user typed it; refused, with nothing written, unless it is a positive number.
    Change changeLambda(const std::filesystem::path& installation, std::string_view typed) const;

    // The statutory amounts the study's fee carries: its own list, or the four of old when it
    // keeps none. A file that is there but cannot be read gives its error.
    Result<StatutoryAmounts::Read> amounts() const;
    // Stores the list, checked already, for this study and as the default.
    Change changeAmounts(const std::filesystem::path& installation,
                         const std::vector<StatutoryAmount>& amounts) const;

    // What the study summary shows, read in two stages. First the files every created study has:
    // what cannot be read stays empty, and why is kept. Then the quantities: a work never
    // entered is 0, and an item that is no number ends the reading of its file.
    struct Summary {
        // Inside the plan by the rounded reading; nothing when the zone file holds no item.
        std::optional<bool> inside;
        // The first items of the scale and λ files as stored; nothing when there is none.
        std::optional<std::string> scale;
        std::optional<std::string> lambda;
        StudyDetails details;
        // Why the zone, λ or the details could not be read whole, in that order.
        std::vector<Error> unread;
        // The quantities of each work, in the order of `works()`.
        std::array<std::vector<double>, 9> quantities;
        const std::vector<double>& of(Work work) const {
            return quantities[static_cast<std::size_t>(work)];
        }
    };
    Summary summary() const;

    // The files the calculation works the report out from, the study's own choices first and
    // then the works in the order of `works()`. An input the calculation comes to read goes
    // here too, so that a report older than it is told.
    static const std::vector<std::string_view>& reportInputs();

    // Every file the user's input is kept in: those of `reportInputs()` and the specialty code.
    // A study's copy starts from these; its report, locks and temporary files stay behind.
    static const std::vector<std::string_view>& inputFiles();

    // The inputs changed since the report was worked out: each one written after the oldest
    // report section, in the order of `reportInputs()`, by the files' modification times. Empty
    // when the report is as new as the study, and for a study never calculated (a section
    // missing), which has no report to be older.
    std::vector<std::string> newerThanReport() const;

    // When a file of the study was last written; nothing when it is not there as a file.
    std::optional<std::filesystem::file_time_type> writtenAt(std::string_view name) const;

private:
    template <class T, class Read> Result<T> numberOf(std::string_view name, Read read) const;
    Change storeWithDefault(const std::filesystem::path& installation, std::string_view name,
                            std::string_view defaultName,
                            const std::vector<ValueItem>& items) const;
    Result<std::vector<std::string>> items(std::string_view name) const;
    Result<std::string> firstItem(std::string_view name) const;

    std::filesystem::path folder_;
};

} // namespace velmora::store
