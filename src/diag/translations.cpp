#include "diag/translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QString>
#include <QTranslator>

#include <vector>

namespace vx {

struct TranslationSession::State {
    State(int& argc, char** argv) : application(argc, argv) {}
    QCoreApplication application;
    std::vector<std::unique_ptr<QTranslator>> translators;
};

TranslationSession::TranslationSession(int& argc, char** argv)
    : state_(std::make_unique<State>(argc, argv)) {}

TranslationSession::~TranslationSession() = default;

bool TranslationSession::load(const std::string& directory, std::span<const char* const> prefixes) {
    const QString where = QString::fromLocal8Bit(directory);
    if (!QFileInfo(where).isDir()) {
        return false;
    }
    const QString locale = QLocale::system().name();
    for (const char* prefix : prefixes) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(QString::fromLatin1(prefix) + locale, where)) {
            QCoreApplication::installTranslator(translator.get());
            state_->translators.push_back(std::move(translator));
        }
    }
    return true;
}

}  // namespace vx
