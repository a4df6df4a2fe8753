// A prepared project for the end-to-end totals tests: registries, joint list and the three work
// files, with every table's expected rows worked out by hand below.
#pragma once

#include "shell/data_root.h"
#include "support/test_files.h"
#include "totals/totals_run.h"
#include "totals_fixtures.h"

#include <QList>
#include <QStringList>

namespace tv::test {

using namespace Qt::StringLiterals;

inline void writeTotalsProject(const shell::DataRoot& root) {
    const auto set = [&](const QString& name) { return root.file(shell::kSetFolder, name); };
    const auto work = [&](const QString& name) { return root.file(shell::kWorkDataFolder, name); };
    writeCp932Lines(set(u"BuzaiWeight.ini"_s), {
                                                   u"ZZBW'H鋼'400*200*8*13'66'"_s,
                                                   u"ZZBW'普通鋼板'6'47.1'"_s,
                                                   u"ZZBW'普通鋼板'9'70.65'"_s,
                                                   u"ZZBW'普通鋼板'12'94.2'"_s,
                                                   u"ZZBW'平鋼'9*75'5.3'"_s,
                                                   u"ZZBW'C形鋼'100*50*20*2.3'4.06'"_s,
                                                   u"ZZBW'丸鋼'22'2.98'"_s,
                                               }); // C鋼 100*50*5*7.5 comes as a default row
    writeCp932Lines(set(u"Kansan.ini"_s), {u"ZZKN'HT2'9'1.5"_s, u"ZZKN'HT2'10'1.8"_s, u"ZZKN'HF1'6'1"_s});
    writeCp932Lines(root.file(shell::kListFolder, u"HasiraListData.ini"_s), {});
    writeCp932Lines(root.file(shell::kListFolder, u"HariListData.ini"_s), {});
    writeCp932Lines(root.file(shell::kListFolder, u"JointListData.ini"_s),
                    {u"ZZLJ'J1'0'SN490B･9･150･400･2･HTB-F10T･M20･8'SN490B･6･100･200･2･HTB-F10T･M20･4'"_s,
                     u"ZZLJ'J2'1'SS400･12･100･300･1･･･'･････普通ボルト･M16･2'"_s,
                     u"ZZLJ'J2'1'SS400･12･100･300･1･･･'･････普通ボルト･M16･2'"_s});
    writeCp932Lines(work(u"WorkData-1.ini"_s),
                    {line(sheetRecord({{1, u"柱"_s},      {2, u"1"_s},      {3, u"C1"_s},
                                       {5, u"SN490B"_s},  {6, u"H鋼"_s},    {7, u"H-400×200×8×13"_s},
                                       {8, u"3500"_s},    {9, u"2"_s},      {10, u"J1"_s},
                                       {11, u"2"_s},      {12, u"H"_s},     {13, u"T"_s},
                                       {14, u"2"_s},      {15, u"9"_s},     {16, u"10.5"_s},
                                       {17, u"塗装有"_s}, {19, u"30.25"_s}, {20, u"HTB-F10T"_s},
                                       {21, u"M20"_s},    {22, u"75"_s},    {23, u"16"_s}})),
                     line(sheetRecord({{5, u"SS400"_s},
                                       {6, u"PL"_s},
                                       {7, u"PL-9×300×400"_s},
                                       {9, u"2"_s},
                                       {12, u"H"_s},
                                       {13, u"T"_s},
                                       {14, u"2"_s},
                                       {15, u"9.5"_s},
                                       {16, u"4"_s},
                                       {17, u"耐火被覆:25"_s},
                                       {19, u"12.5"_s}})),
                     u""_s,
                     line(sheetRecord({{5, u"SS400"_s},
                                       {6, u"PL"_s},
                                       {7, u"PL-12"_s},
                                       {8, u"500"_s},
                                       {9, u"1"_s},
                                       {12, u"H"_s},
                                       {13, u"F"_s},
                                       {14, u"1"_s},
                                       {15, u"6"_s},
                                       {16, u"2"_s}}))});
    writeCp932Lines(
        work(u"WorkData-2.ini"_s),
        {line(workRecord(u"ZZ02"_s,
                         {{1, u"梁"_s},
                          {5, u"SS400"_s},
                          {6, u"C鋼"_s},
                          {7, u"C-100×50×5×7.5"_s},
                          {8, u"6000"_s},
                          {9, u"3"_s},
                          {10, u"J9"_s},
                          {11, u"1"_s},
                          {17, u"溶融亜鉛"_s}},
                         28)),
         line(workRecord(u"ZZ02"_s,
                         {{5, u"SS400"_s},
                          {6, u"PL"_s},
                          {7, u"FLB-9×75"_s},
                          {8, u"1000"_s},
                          {9, u"4"_s},
                          {10, u"J2"_s},
                          {11, u"1"_s}},
                         28)),
         line(workRecord(u"ZZ02"_s,
                         {{6, u"BOLT"_s}, {20, u"普通ボルト"_s}, {21, u"M16"_s}, {22, u"40"_s}, {23, u"8"_s}},
                         28)),
         line(workRecord(u"ZZ02"_s, {{1, u"梁"_s}, {5, u"SS400"_s}, {6, u"床版"_s}, {9, u"25.5"_s}}, 28))});
    writeCp932Lines(work(u"WorkData-3.ini"_s),
                    {line(secondaryRecord({{1, u"胴縁"_s},
                                           {4, u"SS400"_s},
                                           {5, u"C形鋼"_s},
                                           {6, u"C-100×50×20×2.3"_s},
                                           {7, u"4*2"_s},
                                           {8, u"3"_s},
                                           {9, u"24.00"_s},
                                           {10, u"H"_s},
                                           {11, u"T"_s},
                                           {12, u"2"_s},
                                           {13, u"9"_s},
                                           {16, u"6.00"_s},
                                           {17, u"塗装有"_s},
                                           {20, u"3.00"_s}})),
                     line(secondaryRecord(
                         {{1, u"BOLT"_s}, {4, u"HTB-F10T"_s}, {5, u"M20"_s}, {6, u"75"_s}, {8, u"4"_s}})),
                     line(secondaryRecord({{1, u"ブレース"_s},
                                           {4, u"SS400"_s},
                                           {5, u"丸鋼"_s},
                                           {6, u"φ22"_s},
                                           {9, u"10.00"_s},
                                           {17, u"溶融亜鉛"_s}})),
                     line(secondaryRecord({{1, u"床版"_s}, {4, u"SS400"_s}, {9, u"12.5"_s}})),
                     u"ZZ03'BOLT'''HTB-F10T'M20'75"_s});
}

// The six tables of the project above, data rows in display order.
//
// Steel: H鋼 3.500 m × 2 = 7.00 × 66; plate 0.3 × 0.4 × 2 = 0.24, plate 0.5 × 1 = 0.50 plus the J2
// plates 0.1 × 0.3 × 4 × 1 twice = 0.74; the J1 plates 0.15 × 0.4 × 2 × 2 × 2 = 0.48 and
// 0.1 × 0.2 × 2 × 2 × 2 = 0.16; C鋼 6 × 3 = 18.00 unregistered as C形鋼; flat bar 1 × 4;
// deck 25.5 + 12.5; the secondary C形鋼 and round bar as stored. The beam's C鋼 is grouped with the
// secondary C形鋼, one kind, not with the plates. Weights in single precision:
// 462 + 16.956 + 69.708 + 21.2 + 33.912 + 7.536 + 97.44 + 29.8 = 738.552.
inline QList<QStringList> expectedSteel() {
    return {
        {u"1"_s, u"H鋼"_s, u"SN490B"_s, u"H-400×200×8×13"_s, u"7.00"_s, u"m"_s, u"66"_s, u"kg/m"_s,
         u"462.00"_s},
        {u"2"_s, u"C形鋼"_s, u"SS400"_s, u"C-100×50×20×2.3"_s, u"24.00"_s, u"m"_s, u"4.06"_s, u"kg/m"_s,
         u"97.44"_s},
        {u"2"_s, u"C形鋼"_s, u"SS400"_s, u"C-100×50×5×7.5"_s, u"18.00"_s, u"m"_s, u"?"_s, u"kg/m"_s, u""_s},
        {u"3"_s, u"丸鋼"_s, u"SS400"_s, u"φ22"_s, u"10.00"_s, u"m"_s, u"2.98"_s, u"kg/m"_s, u"29.80"_s},
        {u"4"_s, u"普通鋼板"_s, u"SN490B"_s, u"6"_s, u"0.16"_s, u"m2"_s, u"47.1"_s, u"kg/m2"_s, u"7.54"_s},
        {u"4"_s, u"普通鋼板"_s, u"SN490B"_s, u"9"_s, u"0.48"_s, u"m2"_s, u"70.65"_s, u"kg/m2"_s, u"33.91"_s},
        {u"4"_s, u"普通鋼板"_s, u"SS400"_s, u"9"_s, u"0.24"_s, u"m2"_s, u"70.65"_s, u"kg/m2"_s, u"16.96"_s},
        {u"4"_s, u"普通鋼板"_s, u"SS400"_s, u"12"_s, u"0.74"_s, u"m2"_s, u"94.2"_s, u"kg/m2"_s, u"69.71"_s},
        {u"5"_s, u"平鋼"_s, u"SS400"_s, u"FLB-9×75"_s, u"4.00"_s, u"m"_s, u"5.3"_s, u"kg/m"_s, u"21.20"_s},
        {u"6"_s, u"床版"_s, u"SS400"_s, u""_s, u"38.00"_s, u"m2"_s, u"-"_s, u""_s, u""_s},
        {u"A"_s, u"合計"_s, u""_s, u""_s, u""_s, u""_s, u""_s, u""_s, u"738.55"_s},
    };
}

// HT2 9: 10.5 + 6 at 1.500; HT2 9.5: 4 at 1.5 + 0.3 × 0.5; HF1 6: 2 at 1.000.
inline QList<QStringList> expectedWeld() {
    return {
        {u""_s, u"HF1"_s, u"6"_s, u"2.00"_s, u"1.000"_s, u"2.000"_s},
        {u""_s, u"HT2"_s, u"9"_s, u"16.50"_s, u"1.500"_s, u"24.750"_s},
        {u""_s, u"HT2"_s, u"9.5"_s, u"4.00"_s, u"1.650"_s, u"6.600"_s},
        {u""_s, u"合計"_s, u""_s, u""_s, u""_s, u"33.350"_s},
    };
}

// J1 flange bolts: grip 2 × 9 + 13 → 60, 8 × 2 × 2; web: 2 × 6 + 8 → 50, 4 × 2 × 2; J2 web bolts
// twice: grip 9 → 40, 2 × 1 × 4 each, plus the beam's 8; the column's 16 plus the secondary 4.
inline QList<QStringList> expectedBolt() {
    return {
        {u""_s, u"HTB-F10T"_s, u"M20"_s, u"50"_s, u"16"_s},
        {u""_s, u"HTB-F10T"_s, u"M20"_s, u"60"_s, u"32"_s},
        {u""_s, u"HTB-F10T"_s, u"M20"_s, u"75"_s, u"20"_s},
        {u""_s, u"普通ボルト"_s, u"M16"_s, u"40"_s, u"24"_s},
    };
}

inline QList<QStringList> expectedCoating() {
    return {
        {u""_s, u"さび止塗装"_s, u""_s, u"33.25"_s},
        {u""_s, u"耐火被覆"_s, u"25"_s, u"12.50"_s},
    };
}

// 22.608 + 21.2 + 29.8 = 73.608; the flat bar is a length.
inline QList<QStringList> expectedGalv() {
    return {
        {u"1"_s, u"C鋼"_s, u"C-100×50×5×7.5"_s, u"18.00"_s, u"m"_s, u"?"_s, u"kg/m"_s, u""_s},
        {u"1"_s, u"丸鋼"_s, u"φ22"_s, u"10.00"_s, u"m"_s, u"2.98"_s, u"kg/m"_s, u"29.80"_s},
        {u"2"_s, u"普通鋼板"_s, u"12"_s, u"0.24"_s, u"m2"_s, u"94.2"_s, u"kg/m2"_s, u"22.61"_s},
        {u"3"_s, u"平鋼"_s, u"FLB-9×75"_s, u"4.00"_s, u"m"_s, u"5.3"_s, u"kg/m"_s, u"21.20"_s},
        {u"A"_s, u"合計"_s, u""_s, u""_s, u""_s, u""_s, u""_s, u"73.61"_s},
    };
}

// 33.912 + 7.536 + 22.608 = 64.056.
inline QList<QStringList> expectedJoint() {
    return {
        {u"1"_s, u"普通鋼板"_s, u"SN490B"_s, u"6"_s, u"0.16"_s, u"m2"_s, u"47.1"_s, u"kg/m2"_s, u"7.54"_s},
        {u"1"_s, u"普通鋼板"_s, u"SN490B"_s, u"9"_s, u"0.48"_s, u"m2"_s, u"70.65"_s, u"kg/m2"_s, u"33.91"_s},
        {u"1"_s, u"普通鋼板"_s, u"SS400"_s, u"12"_s, u"0.24"_s, u"m2"_s, u"94.2"_s, u"kg/m2"_s, u"22.61"_s},
        {u"2"_s, u"BOLT"_s, u"HTB-F10T"_s, u"M20：50"_s, u"16"_s, u"本"_s, u"-"_s, u""_s, u""_s},
        {u"2"_s, u"BOLT"_s, u"HTB-F10T"_s, u"M20：60"_s, u"32"_s, u"本"_s, u"-"_s, u""_s, u""_s},
        {u"2"_s, u"BOLT"_s, u"普通ボルト"_s, u"M16：40"_s, u"16"_s, u"本"_s, u"-"_s, u""_s, u""_s},
        {u"A"_s, u"合計"_s, u""_s, u""_s, u""_s, u""_s, u""_s, u""_s, u"64.06"_s},
    };
}

// Loads the lists and registries of `root` and runs the totals into `tables`; a file that cannot be
// loaded gives its message as the outcome's error.
inline totals::TotalsOutcome runTotalsOn(const shell::DataRoot& root, totals::TotalsTables& tables) {
    totals::TotalsRegistries registries;
    const services::Status loaded =
        totals::loadTotalsRegistries(root, registries.lists, registries.weights, registries.rates);
    if (!loaded.ok())
        return {loaded.error, {}};
    return totals::RunTotals(tables, root, registries.lists.JointList, registries.weights, registries.rates);
}

inline QList<QList<QStringList>> expectedTables() {
    return {expectedSteel(),   expectedWeld(), expectedBolt(),
            expectedCoating(), expectedGalv(), expectedJoint()};
}

} // namespace tv::test
