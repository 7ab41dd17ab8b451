#pragma once

// The locale a test's number settings come from, as Qt reads it on Unix: LC_ALL, else
// LC_NUMERIC, else LANG, else C. QLocale::system().name() cannot tell: under LANGUAGE=en,
// which keeps the tests' texts English, Qt names the system locale English whatever its
// numbers are.
#include <QString>
#include <QtGlobal>

namespace testing_support {

inline QString number_settings() {
    for (const char *name : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            return value;
    }
    return QStringLiteral("C");
}

} // namespace testing_support
