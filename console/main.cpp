#include <cstdio>
#include <iostream>
#include <string>
#include <variant>
#include <vector>

#include "Answer.h"
#include "Options.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// shellapi.h needs windows.h before it.
#include <shellapi.h>
#endif

namespace {

// The command line in UTF-8 whatever the system's code page, and standard input and output as
// bytes: the CSV ends its lines in LF everywhere.
std::vector<std::string> Words(int argc, char* argv[]) {
#ifdef _WIN32
    (void)argv;
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> words;
    for (int i = 1; i < count; ++i) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string word(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, word.data(), size, nullptr, nullptr);
        words.push_back(word);
    }
    LocalFree(wide);
    (void)argc;
    return words;
#else
    return std::vector<std::string>(argv + 1, argv + argc);
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
    const auto parsed = ParseOptions(Words(argc, argv));
    if (const auto* wrong = std::get_if<std::string>(&parsed)) {
        std::cerr << "tresk-interest: " << *wrong << "\n" << Usage();
        return 2;
    }
    const Options& options = std::get<Options>(parsed);
    if (options.mode == Options::Mode::Help) {
        std::cout << Usage();
        return 0;
    }
    if (options.mode == Options::Mode::Version) {
        std::cout << "tresk-interest " TRESK_VERSION "\n";
        return 0;
    }
    const int status = Answer(options, std::cin, std::cout, std::cerr);
    std::cout.flush();
    return std::cout ? status : 1;
}
