#include "platform/FileFilters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace morvane::platform {
namespace {

struct FilterCase {
    QString windows;
    QString qt;
};

class QtFilter : public ::testing::TestWithParam<FilterCase> {};

TEST_P(QtFilter, ListsEachPatternInBothCases)
{
    EXPECT_EQ(qtFilterFromWindowsFilter(GetParam().windows), GetParam().qt);
}

INSTANTIATE_TEST_SUITE_P(
    Table, QtFilter,
    ::testing::Values(FilterCase{imagesFilter,
                                 u"All images (*.gif *.GIF *.jpg *.JPG);;Gif images (*.gif *.GIF);;"
                                 u"Jpeg images (*.jpg *.JPG)"_s},
                      FilterCase{soundsFilter, u"AU sounds (*.au *.AU)"_s},
                      FilterCase{allFilesFilter, u"All files (*)"_s},
                      FilterCase{textFilesFilter, u"Text files (*.txt *.TXT)"_s},
                      FilterCase{htmlFilesFilter, u"HTML files (*.html *.HTML *.htm *.HTM)"_s},
                      FilterCase{waveFilesFilter, u"Wave files (*.wav *.WAV)"_s},
                      FilterCase{auFilesFilter, u"Netscape AU files (*.au *.AU)"_s},
                      FilterCase{u"Data|*.dat;*.DAT"_s, u"Data (*.dat *.DAT)"_s},
                      FilterCase{u"|*.x"_s, u"*.x *.X (*.x *.X)"_s},
                      FilterCase{u"Data (*.dat)|*.DAT|Left over"_s, u"Data (*.dat *.DAT)"_s},
                      FilterCase{u"Nothing|"_s, QString()}, FilterCase{QString(), QString()}));

} // namespace
} // namespace morvane::platform
