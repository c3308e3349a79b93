#include "report/field_map.h"

namespace orvane {

std::vector<int> mapped_fields() {
    std::vector<int> fields;
    for (const FieldBlock& block : ReportFieldMap)
        for (int row = 0; row < block.rows; ++row)
            for (int offset = 0; offset < block.width; ++offset) fields.push_back(block.at(row, offset));
    return fields;
}

}  // namespace orvane
