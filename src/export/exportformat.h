// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <array>

namespace drevant {

// The export file, in one place: its lines and labels, the ranges of the values the program
// can write, and the scales of the sample key's fields. The writer, the checked reader, the
// titration window's settings and the teacher's tool all take them from here.

// The lines before the data, by number (the first line is 1).
inline constexpr int KeyLine = 1;
inline constexpr int NormalityLine = 2;
inline constexpr int VolumeLine = 3;
inline constexpr int HeaderLine = 4;

// The labels as the writer prints them (the value follows in the next print zone).
inline constexpr char NormalityLabel[] = "Cb0 (N)= ";
inline constexpr char VolumeLabel[] = "V0 (L)= ";
// The column header: the two texts joined, as one line "Vol(L)     pH".
inline constexpr char VolumeColumnHeading[] = "Vol(L)     ";
inline constexpr char PhColumnHeading[] = "pH";

// The titration window's settings, in the steps of its scroll bars: the normality in
// thousandths of a normal (1 to 500: 0.001 to 0.5 N), the sample volume in whole mL (1 to
// 1000: 0.001 to 1 L).
inline constexpr int MinNormalityThousandths = 1;
inline constexpr int MaxNormalityThousandths = 500;
inline constexpr int MinSampleVolumeMl = 1;
inline constexpr int MaxSampleVolumeMl = 1000;

inline constexpr double MinExportNormality = MinNormalityThousandths / 1000.0; // N
inline constexpr double MaxExportNormality = MaxNormalityThousandths / 1000.0;
inline constexpr double MinExportSampleVolumeL = MinSampleVolumeMl / 1000.0;
inline constexpr double MaxExportSampleVolumeL = MaxSampleVolumeMl / 1000.0;

// The burette holds 20 mL; a press that would deliver more is refused, so no logged volume
// is larger. With at least 0.1 mL a press, a titration logs at most 201 points (the start
// and 200 presses).
inline constexpr double MaxExportTitrantL = 0.02;
inline constexpr int MaxTitrationPoints = 201;
inline constexpr double MaxExportPh = 14.0;

// What the checked reader accepts at most: the points of one titration (the burette limit
// stops every titration by 201; more points were not logged by the program), about 40
// characters a line.
inline constexpr qint64 MaxExportFileBytes = 1024 * 1024; // far above 201 lines of ~40 bytes
inline constexpr int MaxExportDataLines = MaxTitrationPoints;
inline constexpr int MaxExportLineLength = 200;

// The sample key: the system letter, then one field per entry of the sample table, each the
// rounded field value in hexadecimal. The one table of scales that both the encoding and the
// decoding read:
//   concentrations:      field = scale x P                   (scale 25000)
//   dissociation consts: field = scale x (base - log10 P)    (20 and 3 for the monoprotic
//                        acids, 85 and -4 for K1, 85 and -7 for K2)
inline constexpr int KeyFieldCount = 9;

struct KeyFieldScale {
    bool constant = false; // a dissociation constant (logarithmic field)
    double scale = 0;
    double base = 0; // constants only
};

inline constexpr KeyFieldScale ConcentrationField{false, 25000, 0};
inline constexpr KeyFieldScale MonoproticConstantField{true, 20, 3};
inline constexpr KeyFieldScale FirstConstantField{true, 85, -4};
inline constexpr KeyFieldScale SecondConstantField{true, 85, -7};

// Index 0 to 8: acid 1, acid 2, acid 3 (concentration and constant each), the diprotic
// acid's total concentration, K1 and K2.
inline constexpr std::array<KeyFieldScale, KeyFieldCount> KeyFieldScales{
    ConcentrationField,      MonoproticConstantField, ConcentrationField,
    MonoproticConstantField, ConcentrationField,      MonoproticConstantField,
    ConcentrationField,      FirstConstantField,      SecondConstantField};

} // namespace drevant
