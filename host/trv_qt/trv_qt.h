#pragma once
// Stand-in for the suite's Qt helper library: XML fragments and translator start-up.

#include <string>
#include <vector>

#include <QString>

// Translator start-up object: registers a translation domain with the application's Qt translators. The
// domain's translations ("<data folder>/locale/<language>/LC_MESSAGES/<domain>_<language>.qm") are installed
// in the label language when the application is made, and again whenever the language is chosen anew.
class TRV_QT_InitTranslator {
 public:
  explicit TRV_QT_InitTranslator(char const* domain);
};

// Domains registered so far, each once, in order (for tests).
std::vector<std::string> trv_qt_registeredTranslatorDomains();

// Installs in the application the translators of every registered domain for `language` ("de"), replacing
// those installed before; "en" needs none. Done in the application's thread (later, when called from
// another); nothing without an application.
void trv_qt_installTranslators(std::string const& language);

// The content of the next element <tag>...</tag> that starts at or after `position`; stores through `next`
// the position after that element. Returns an empty text (and `next` = the text's length) when none follows.
QString trv_qt_readXMLpart(QString const& xml, int position, QString const& tag, int* next);

// The numbers of `text` split at `separator`; parts that are no number are skipped.
std::vector<double> trv_qt_readXMLdlist(QString const& text, QString const& separator);
