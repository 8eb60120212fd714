// Qt sets the C locale from the user's environment, so the conversions must give the same
// texts under a comma-decimal locale. A German locale is used when the system has one;
// otherwise one is compiled into a temporary folder with localedef (no root needed, but
// the locale sources of Debian's "locales" package must be installed).
#include "runtime/conversions.h"
#include "runtime/input_rewrite.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <locale>
#include <string>

namespace {

constexpr const char* kCommaLocales[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8",
                                         "ru_RU.UTF-8", "de_DE", "fr_FR"};

bool useInstalledCommaLocale()
{
    for (const char* name : kCommaLocales) {
        if (std::setlocale(LC_ALL, name) && std::localeconv()->decimal_point[0] == ',')
            return true;
    }
    std::setlocale(LC_ALL, "C");
    return false;
}

bool useCompiledCommaLocale(const std::string& folder)
{
    if (!std::filesystem::exists("/usr/share/i18n/locales/de_DE"))
        return false;
    std::filesystem::create_directories(folder);
    const std::string command = "localedef -i de_DE -f UTF-8 '" + folder
                                + "/de_DE.UTF-8' >/dev/null 2>&1";
    if (std::system(command.c_str()) == -1)
        return false;
    setenv("LOCPATH", folder.c_str(), 1);
    return useInstalledCommaLocale();
}

class CommaLocale : public testing::Test {
protected:
    void SetUp() override
    {
        if (!useInstalledCommaLocale() && !useCompiledCommaLocale(m_compiledFolder))
            GTEST_SKIP() << "no comma-decimal locale available";
        m_name = std::setlocale(LC_ALL, nullptr);
        std::locale::global(std::locale(m_name));
    }
    void TearDown() override
    {
        std::locale::global(std::locale::classic());
        std::setlocale(LC_ALL, "C");
        unsetenv("LOCPATH");
        std::filesystem::remove_all(m_compiledFolder);
    }
    std::string m_name;
    const std::string m_compiledFolder =
        testing::TempDir() + "kalvon_locales_" + std::to_string(::getpid());
};

TEST_F(CommaLocale, ConversionsKeepThePoint)
{
    char printed[32];
    std::snprintf(printed, sizeof printed, "%g", 7.85);
    ASSERT_STREQ(printed, "7,85") << "locale " << m_name << " is not in effect";

    EXPECT_EQ(rt::toText(7.85), "7.85");
    EXPECT_EQ(rt::toText(1e-5), "1e-005");
    EXPECT_EQ(rt::toNumber("7.85"), 7.85);
    EXPECT_EQ(rt::toNumber("7,85"), 7) << "a comma never belongs to a number";
    EXPECT_EQ(rt::formatSignificant(2700.5, 6), "2700.5");
    EXPECT_EQ(rt::rewriteOnFocusLoss(rt::InputMode::Single, "7850.00001"), "7850");
    EXPECT_EQ(rt::rewriteOnFocusLoss(rt::InputMode::Double, ".5"), "0.5");
}

}  // namespace
