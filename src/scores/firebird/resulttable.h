#pragma once
// The rows of one query, fetched whole: field names in the order of the
// select list and one value per field in every row (a null value is a null
// QVariant).
#include <QVariant>
#include <string>
#include <vector>

namespace orv {

struct ResultTable {
  std::vector<std::string> fields;
  std::vector<std::vector<QVariant>> rows;
};

}  // namespace orv
