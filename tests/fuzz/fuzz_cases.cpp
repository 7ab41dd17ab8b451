// The reader of the kept cases on any bytes: it never keeps more than ten cases, only cases
// the window could have saved (a group of 0 to 3, six texts the check accepts, none too long),
// oldest first; and what it keeps, written again, reads back alike with nothing amiss.
#include "form/memory_store.h"
#include "fuzz_check.h"
#include "toolkit/number_text.h"

#include <QByteArray>

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

bool same(const form::StoredCases &a, const form::StoredCases &b) {
    if (a.cases.size() != b.cases.size())
        return false;
    for (std::size_t i = 0; i < a.cases.size(); ++i) {
        const form::StoredCase &x = a.cases[i];
        const form::StoredCase &y = b.cases[i];
        if (x.order != y.order || x.saved.group != y.saved.group || x.saved.texts != y.saved.texts)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const form::StoredCases read = form::read_cases(bytes);
    FUZZ_REQUIRE(read.cases.size() <= 10);
    for (std::size_t i = 0; i < read.cases.size(); ++i) {
        const form::StoredCase &c = read.cases[i];
        FUZZ_REQUIRE(c.saved.group >= 0 && c.saved.group <= 3);
        FUZZ_REQUIRE(c.order >= 0);
        FUZZ_REQUIRE(i == 0 || read.cases[i - 1].order <= c.order);
        for (const QString &text : c.saved.texts) {
            FUZZ_REQUIRE(text.size() <= form::longest_kept_text);
            const auto point = toolkit::parse_number(text, u".");
            const auto comma = toolkit::parse_number(text, u",");
            FUZZ_REQUIRE((point && std::isfinite(point->single)) ||
                         (comma && std::isfinite(comma->single)));
        }
    }
    const form::StoredCases again = form::read_cases(form::write_cases(read.cases));
    FUZZ_REQUIRE(again.trust == form::FileTrust::good);
    FUZZ_REQUIRE(same(again, read));
    return 0;
}
