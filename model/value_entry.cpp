#include "model/value_entry.h"

#include "model/caption_text.h"
#include "model/e_series.h"
#include "model/tolerance.h"
#include "model/value_encoding.h"
#include "model/value_markings.h"
#include "model/value_reading.h"
#include "resources/resource_ids.h"
#include "resources/string_table.h"

namespace kolvar {
namespace {

std::string Text(unsigned id) {
    return std::string(LoadText(id));
}

std::string Joined(const std::string& first, const std::string& second,
                   std::string_view separator) {
    return first.empty() ? second : first + std::string(separator) + second;
}

std::string SeriesLine(const Decimal& ohms) {
    std::string names;
    for (const ESeries series : SeriesHolding(ohms)) {
        names = Joined(names, std::string(SeriesName(series)), ", ");
    }
    return Text(ID_ENTRY_SERIES) + names;
}

// "E24 4.3 кОм и 4.7 кОм, E96 4.64 кОм и 4.75 кОм": the series' values on either side.
std::string NearestLine(const Decimal& ohms) {
    std::string nearest;
    for (const ESeries series : {ESeries::kE24, ESeries::kE96}) {
        if (const std::optional<SeriesNeighbours> next = NearestInSeries(series, ohms)) {
            nearest = Joined(nearest,
                             std::string(SeriesName(series)) + " " + ResistanceText(next->below) +
                                 " и " + ResistanceText(next->above),
                             ", ");
        }
    }
    return Text(ID_ENTRY_NO_SERIES) + nearest;
}

std::string RangeLine(const BandCode& code, const Decimal& ohms) {
    const std::optional<Decimal> percent = PercentOfOvershoot(code.overshoot);
    const std::optional<ValueRange> range =
        percent ? ToleranceRange(ohms, *percent) : std::nullopt;
    if (!range) {
        return {};
    }
    return Text(ID_ENTRY_RANGE) + ResistanceText(range->lowest) + Text(ID_ENTRY_RANGE_TO) +
           ResistanceText(range->highest);
}

std::string MarkingsLine(const BandCode& code) {
    const ValueMarkings markings = MarkingsOf(code);
    std::string line = Text(ID_ENTRY_MARKINGS) + markings.letterCode;
    if (!markings.smd.empty()) {
        line += ", SMD " + markings.smd;
    }
    if (!markings.eia96.empty()) {
        line += ", EIA-96 " + markings.eia96;
    }
    return line;
}

// The reading told line by line: what the bands show, and what the typed value is.
std::string Description(const ValueReading& reading, const ValueEncoding& encoding) {
    std::string lines = Text(ID_ENTRY_READ_AS) + Text(NotationNameId(reading.notation)) + ": " +
                        CaptionText(encoding.code);
    lines += "\n" + Text(ID_ENTRY_BANDS) + BandsInWords(encoding.code);
    if (encoding.rounded) {
        lines += "\n" + Text(ID_ENTRY_ROUNDED) + ResistanceText(encoding.ohms);
    }
    const bool standard = !SeriesHolding(reading.ohms).empty();
    lines += "\n" + (standard ? SeriesLine(reading.ohms) : NearestLine(reading.ohms));
    if (const std::string range = RangeLine(encoding.code, encoding.ohms); !range.empty()) {
        lines += "\n" + range;
    }
    return lines + "\n" + MarkingsLine(encoding.code);
}

std::optional<ValueChoice> SecondReading(const TextReading& text, const BandCode& current) {
    if (text.readings.size() < 2) {
        return std::nullopt;
    }
    const ValueReading& second = text.readings[1];
    const ValueEncoding encoding = EncodeValue(second, current);
    if (encoding.errorId != 0) {
        return std::nullopt;
    }
    return ValueChoice{encoding.code, Text(ID_ENTRY_SECOND_READING) +
                                          ResistanceText(second.ohms) + " (" +
                                          Text(NotationNameId(second.notation)) + ")"};
}

// Of E24's two values around it, the nearer; the larger of two as near.
std::optional<ValueChoice> StandardValue(const ValueReading& reading, const BandCode& current) {
    const std::optional<SeriesNeighbours> next = NearestInSeries(ESeries::kE24, reading.ohms);
    if (!next || next->below == next->above) {
        return std::nullopt;
    }
    const std::optional<Decimal> below = Subtract(reading.ohms, next->below);
    const std::optional<Decimal> above = Subtract(next->above, reading.ohms);
    ValueReading standard = reading;
    standard.ohms = below && above && *below < *above ? next->below : next->above;
    const ValueEncoding encoding = EncodeValue(standard, current);
    if (encoding.errorId != 0) {
        return std::nullopt;
    }
    return ValueChoice{encoding.code,
                       Text(ID_ENTRY_STANDARD_VALUE) + ResistanceText(standard.ohms)};
}

}  // namespace

std::string EntryTextOf(const BandCode& code) {
    if (!PercentOfOvershoot(code.overshoot)) {
        return ResistanceText(ValueOf(code));
    }
    return CaptionText(code);
}

ValueEntry EnterValue(std::string_view text, const BandCode& current) {
    const TextReading reading = ReadValueText(text);
    ValueEntry entry;
    if (reading.errorId != 0) {
        entry.description = Text(reading.errorId);
        return entry;
    }
    const ValueReading& first = reading.readings.front();
    const ValueEncoding encoding = EncodeValue(first, current);
    entry.secondReading = SecondReading(reading, current);
    if (encoding.errorId != 0) {
        entry.description = Text(encoding.errorId);
        return entry;
    }
    entry.code = encoding.code;
    entry.description = Description(first, encoding);
    entry.standardValue = StandardValue(first, current);
    return entry;
}

}  // namespace kolvar
