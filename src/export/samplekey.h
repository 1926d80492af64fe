// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>

#include <array>
#include <optional>

namespace drevant {

// Which entries of the sample table (indices as SampleIndex) a system letter names as really
// present: A acid 1; B the diprotic acid; C acids 1 and 2; D acid 1 and the diprotic acid;
// E acids 1, 2 and 3. Nothing for any other letter.
std::optional<std::array<bool, 9>> systemComponents(QChar letter);

// The table entry a key field value stands for (mol/L): concentrations f / 25000, monoprotic
// constants 10^(3 - f / 20), K1 10^-(f / 85 + 4), K2 10^-(f / 85 + 7). Fractional f gives
// the bounds of a field step.
double decodeFieldValue(int index, double field);

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

} // namespace drevant
