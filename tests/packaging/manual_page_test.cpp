// The manual pages, English and German, name every option that the command line's reader
// knows with each of its values: an option added to the reader fails here until both
// pages tell of it.

#include "window/command_line.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace bramlow {
namespace {

TEST(ManualPage, NamesEveryOptionOfTheCommandLineWithEachValue)
{
    ASSERT_FALSE(knownOptions().isEmpty());
    for (const char* path : {BRAMLOW_MANUAL_PAGE_EN, BRAMLOW_MANUAL_PAGE_DE}) {
        QFile file(QString::fromUtf8(path));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path;
        // In roff a hyphen of an option is written "\-".
        const QStringList lines = QString::fromUtf8(file.readAll()).replace(QLatin1String("\\-"), QLatin1String("-")).split('\n');
        for (const auto& [name, allowed] : knownOptions()) {
            // "--computer=silber, --computer=gold, …": each value on a line with the name.
            const QRegularExpression form(QRegularExpression::escape(name) + QStringLiteral("=([^,\\s]+)"));
            for (const QRegularExpressionMatch& value : form.globalMatch(allowed)) {
                const QRegularExpression shown(QRegularExpression::escape(name) + QStringLiteral("=.*\\b")
                                               + QRegularExpression::escape(value.captured(1)) + QStringLiteral("\\b"));
                EXPECT_FALSE(lines.filter(shown).isEmpty()) << path << " lacks " << value.captured(0).toStdString();
            }
        }
    }
}

} // namespace
} // namespace bramlow
