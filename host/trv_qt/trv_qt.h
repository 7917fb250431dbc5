#pragma once
// Stand-in for the suite's Qt helper library: XML fragments and translator start-up.

#include <string>
#include <vector>

#include <QString>

// Translator start-up object: registers a translation domain with the application's Qt translators.
class TRV_QT_InitTranslator {
 public:
  explicit TRV_QT_InitTranslator(char const* domain);
};

// Domains registered so far, in order (for tests).
std::vector<std::string> const& trv_qt_registeredTranslatorDomains();

// The content of the next element <tag>...</tag> that starts at or after `position`; stores through `next`
// the position after that element. Returns an empty text (and `next` = the text's length) when none follows.
QString trv_qt_readXMLpart(QString const& xml, int position, QString const& tag, int* next);

// The numbers of `text` split at `separator`; parts that are no number are skipped.
std::vector<double> trv_qt_readXMLdlist(QString const& text, QString const& separator);
