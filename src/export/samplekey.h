// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/exportformat.h"
#include "session/declarevars.h"

#include <QChar>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace drevant {

// The scale of key field `index` (0 to 8).
const KeyFieldScale& keyFieldScale(int index);

// The value a key field encodes, before rounding, computed in 64 bits from the entry as
// stored: 25000 P for concentrations, 20 (3 - log10 P) for the monoprotic constants,
// 85 (-log10 P - 4) for K1 and 85 (-log10 P - 7) for K2.
double keyFieldValue(int index, Number entry);

// A field value as key text: rounded to the nearest integer (halfway cases away from zero),
// upper-case hexadecimal without prefix, a "0" put in front of a single digit. Longer fields
// stay whole. A negative value (no generated sample has one) is written as "-" and the hex
// digits of its magnitude; a value that is not finite is written "NAN" or "INF" ("-INF").
// Neither can be read back as a field, which is what they are: not a valid encoding.
QString hexField(double value);

// The nine `KeyField` texts of a sample table (after the filler step).
std::array<QString, KeyFieldCount> encodeKeyFields(const SampleTable& params);

// `SampleKey`: the system letter followed by the nine fields, nothing between them.
QString sampleKey(const QString& systemCode, const SampleTable& params);
QString joinedKey(const QString& systemCode, const std::array<QString, KeyFieldCount>& fields);

// Which entries of the sample table (indices as SampleIndex) a system letter names as really
// present: A acid 1; B the diprotic acid; C acids 1 and 2; D acid 1 and the diprotic acid;
// E acids 1, 2 and 3. Nothing for any other letter.
std::optional<std::array<bool, 9>> systemComponents(QChar letter);

// The table entry a key field value stands for (mol/L): concentrations f / 25000, monoprotic
// constants 10^(3 - f / 20), K1 10^-(f / 85 + 4), K2 10^-(f / 85 + 7). Fractional f gives
// the bounds of a field step.
double decodeFieldValue(int index, double field);

// The filler fields of a key, read one way: the export filled the absent components with
// small random values, and the key carries them. Only the absent entries are set.
struct FillerReading {
    std::array<int, 9> field{};
    std::array<double, 9> value{};
    std::array<double, 9> low{};
    std::array<double, 9> high{};
};

// A sample key read back: the fields of the components the letter names, and the entries
// they stand for. Absent components (whose key fields are filler values) are 0 throughout.
struct DecodedSample {
    QChar letter;                  // 'A' to 'E'
    std::array<bool, 9> present{}; // entries the letter names
    std::array<int, 9> field{};    // field values (0 to 255) of present entries
    std::array<double, 9> value{}; // decoded entries (mol/L)
    // Every entry that encodes to the same field lies within [low, high]: the values of
    // field - 1/2 and field + 1/2, half a field step either side (a concentration's low
    // bound is not cut at 0).
    std::array<double, 9> low{};
    std::array<double, 9> high{};
    // Every way of splitting the filler digits into fields (two or three digits each) whose
    // values the export's filler step can produce. Usually exactly one; more when a key
    // with three-digit fillers can be read two ways; none when no export writes these digits.
    std::vector<FillerReading> fillers;
};

// A decoded key, or a one-line error saying what is wrong with it.
struct SampleKeyDecoding {
    std::optional<DecodedSample> sample;
    QString error; // empty when sample holds a value
};

// Reads a sample key as the export file's first line carries it. Blanks and line ends around
// the key are ignored, and lower-case ASCII letters are read as upper case (a key typed in
// by hand); anything else that is not the system letter and hex digits is an error.
//
// Fields of present components always have exactly two digits, but a filler field of an
// absent component can have two or three, and nothing marks which one did. So the present
// fields are read from the front up to the first absent component and from the back after
// the last one; the fillers between them are skipped. Their total length must fit the number
// of absent fields (two or three digits each), which fixes the key's length range per letter.
SampleKeyDecoding decodeSampleKey(const QString& key);

// Why no export of the program can carry this key, as one line, or an empty text when one
// can: a field of a present component outside what the generator draws (a concentration
// field 02 to FA, a strong constant 00 to 3C, a weak one 8C to F0), or filler digits that no
// filler step writes.
QString impossibleKeyReason(const DecodedSample& sample);

} // namespace drevant
