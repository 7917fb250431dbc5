#include "host/trv_qt/trv_qt.h"

#include <QStringList>

namespace {
std::vector<std::string>& domains() {
  static std::vector<std::string> registered;
  return registered;
}
}  // namespace

TRV_QT_InitTranslator::TRV_QT_InitTranslator(char const* domain) {
  domains().emplace_back(domain);
}

std::vector<std::string> const& trv_qt_registeredTranslatorDomains() {
  return domains();
}

QString trv_qt_readXMLpart(QString const& xml, int position, QString const& tag, int* next) {
  QString const open = QLatin1Char('<') + tag + QLatin1Char('>');
  QString const close = QLatin1String("</") + tag + QLatin1Char('>');
  int const start = position < 0 ? -1 : xml.indexOf(open, position);
  int const end = start < 0 ? -1 : xml.indexOf(close, start + open.size());
  if (end < 0) {
    if (next) *next = xml.size();
    return QString();
  }
  if (next) *next = end + close.size();
  int const contentStart = start + open.size();
  return xml.mid(contentStart, end - contentStart);
}

std::vector<double> trv_qt_readXMLdlist(QString const& text, QString const& separator) {
  std::vector<double> numbers;
  for (QString const& part : text.split(separator, Qt::SkipEmptyParts)) {
    bool ok = false;
    double const value = part.toDouble(&ok);
    if (ok) numbers.push_back(value);
  }
  return numbers;
}
