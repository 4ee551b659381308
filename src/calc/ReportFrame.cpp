#include "calc/ReportFrame.h"

#include "calc/SectionLines.h"

#include "Version.h"

#include <string>

namespace velmora::calc {
namespace {

enum Detail {
    kOwnerName,
    kOwnerSurname,
    kOwnerAddress,
    kOwnerCity,
    kMunicipality,
    kDistrict,
    kLocation,
    kEngineerName,
    kEngineerSurname,
    kEngineerAddress,
    kEngineerCity,
    kSpecialty,
};

} // namespace

std::vector<std::string> ReportFrame::head(const NumberField& field) const {
    const auto& d = details;
    SectionLines out(field);
    out.tabbed(kCredit);
    out.tabbed(std::string("Gorvanth  v ") + kVersion + " for windows");
    out.plain(SectionLines::repeat('_', 83));
    out.plain("");
    out.plain("ΙΔΙΟΚΤΗΤΗΣ:" + d[kOwnerName] + " " + d[kOwnerSurname]);
    out.plain(d[kOwnerAddress] + " " + d[kOwnerCity]);
    out.plain("ΘΕΣΗ:" + d[kLocation] + "  Δημοτικού Διαμερίσματος " + d[kDistrict] + " του Δήμου " +
              d[kMunicipality]);
    out.plain("");
    out.plain("\t\t\tVELMORA ΤΟΠΟΓΡΑΦΙΚΩΝ ΕΡΓΑΣΙΩΝ");
    out.plain("\t\t\t" + SectionLines::repeat('=', 34));
    out.plain("");
    out.plain("Κλίμακα 1:" + field(scale));
    out.plain("Συντελεστής λ=" + field.single(lambda));
    out.plain(zone == 1 ? "ΠΕΡΙΟΧΗ ΕΝΤΟΣ ΣΧΕΔΙΟΥ ΠΟΛΕΩΣ Ή ΕΝΤΟΣ ΟΙΚΙΣΜΟY"
                        : "ΠΕΡΙΟΧΗ ΕΚΤΟΣ ΣΧΕΔΙΟΥ ΠΟΛΕΩΣ & ΕΚΤΟΣ ΟΙΚΙΣΜΟΥ");
    out.plain(SectionLines::repeat('_', 69));
    return out.take();
}

std::vector<std::string> ReportFrame::foot() const {
    const auto& d = details;
    return {
        "",
        "\t     O ΜΗΧΑΝΙΚΟΣ",
        "",
        "",
        "",
        "",
        "\t " + d[kEngineerName] + " " + d[kEngineerSurname],
        "\t " + d[kSpecialty],
        "\t " + d[kEngineerAddress] + "  " + d[kEngineerCity],
    };
}

} // namespace velmora::calc
