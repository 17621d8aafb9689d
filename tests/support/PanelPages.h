#pragma once

// Every programming tab a page of its own shows (none, the doors, each
// panel's), with a panel type whose records its grid accepts in full.
namespace velmar::test {

struct PanelPage {
    const char *tab;
    const char *central;
};

inline constexpr PanelPage kPanelPages[] = {
    {"", ""},
    {"TSPortes", "Puertas"},
    {"TSCentralAguilera", "AGE44"},
    {"TSCentralBC600", "BC600"},
    {"TSCentralCofem", "Cofem CLVR"},
    {"TSCentralUrano", "Urano"},
    {"TSCentralSyncro", "Syncro"},
    {"TSCentralAvenarBosch", "Bosch"},
    {"TSCentralAD300", "AD300"},
    {"TSCentralSupra", "Supra"},
    {"TSCentralZafir", "Cofem-A"},
    {"TSCentralID3000", "ID3000"},
    {"TSCentralDetnovCCD", "CCD-100"},
    {"TSCentralAD600", "AD600"},
    {"TSCentralCtec", "C-TecXFP"},
    {"TSCentralMA2000", "MA-2000"},
    {"TSCentralJadeBird", "JadeBird"},
    {"TSCentralPL1000", "PL-1000"},
};

} // namespace velmar::test
