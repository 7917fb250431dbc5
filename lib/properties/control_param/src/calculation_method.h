#pragma once

#include <vector>

#include <QString>

namespace trv::control_param::data {

// The calculation method in an older XML form of a task: the third number of the first "o" entry whose
// first number is 93 (second number not 0, third not -99999), or -1.
int calculationMethod(QString const& xml);

// The same with the XML reading functions given: `readPart(xml, position, tag, &next)` and
// `readNumbers(text, separator)` as the host's trv_qt_readXMLpart and trv_qt_readXMLdlist.
using XmlPartReader = QString (*)(QString const&, int, QString const&, int*);
using NumberListReader = std::vector<double> (*)(QString const&, QString const&);
int calculationMethod(QString const& xml, XmlPartReader readPart, NumberListReader readNumbers);

}  // namespace trv::control_param::data
