#include "host/trv_qt/trv_qt.h"

#include <algorithm>
#include <memory>
#include <mutex>

#include <QCoreApplication>
#include <QStringList>
#include <QThread>
#include <QTranslator>

#include "host/trv_properties_qt/configure_xlator.h"
#include "host/trv_properties_qt/label_language.h"

namespace {

std::mutex& domainMutex() {
  static std::mutex mutex;
  return mutex;
}
std::vector<std::string>& domains() {
  static std::vector<std::string> registered;
  return registered;
}

// The translators installed by this library, owned here (only touched in the application's thread).
std::vector<std::unique_ptr<QTranslator>>& installed() {
  static std::vector<std::unique_ptr<QTranslator>> translators;
  return translators;
}

void install(std::string const& language) {
  for (auto const& translator : installed()) QCoreApplication::removeTranslator(translator.get());
  installed().clear();
  QString const folder =
      QString::fromStdString(trv::properties::detail::dataFolder() + "/locale/" + language + "/LC_MESSAGES");
  for (std::string const& domain : trv_qt_registeredTranslatorDomains()) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QString::fromStdString(domain + '_' + language), folder)) continue;
    QCoreApplication::installTranslator(translator.get());
    installed().push_back(std::move(translator));
  }
}

// When the application is made: the translations of the label language chosen so far.
void installAtStart() {
  install(trv::properties::labelLanguage());
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(installAtStart)

// The stand-ins' own texts (the inspector's, the refusal reasons).
TRV_QT_InitTranslator const standInTexts{"trv_host"};

TRV_QT_InitTranslator::TRV_QT_InitTranslator(char const* domain) {
  std::lock_guard<std::mutex> const lock(domainMutex());
  if (std::find(domains().begin(), domains().end(), domain) == domains().end())
    domains().emplace_back(domain);
}

std::vector<std::string> trv_qt_registeredTranslatorDomains() {
  std::lock_guard<std::mutex> const lock(domainMutex());
  return domains();
}

void trv_qt_installTranslators(std::string const& language) {
  QCoreApplication* application = QCoreApplication::instance();
  if (!application) return;
  if (QThread::currentThread() == application->thread())
    install(language);
  else
    QMetaObject::invokeMethod(
        application, [language] { install(language); }, Qt::QueuedConnection);
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
