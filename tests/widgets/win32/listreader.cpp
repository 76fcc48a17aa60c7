// Reads the rows of a list box of another process the way assistive technology does: the count
// (LB_GETCOUNT), then each row's length and text (LB_GETTEXTLEN, LB_GETTEXT, wide), the system
// carrying the text across. Writes the rows to a file in UTF-8, one a line; a row whose text
// isn't as long as its length said is written as "length N: text".
//
//   kelvane_listreader LIST-BOX-HANDLE OUTPUT-FILE
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <cwchar>
#include <string>
#include <vector>

#include "base/widetext.h"

int main() {
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (args == nullptr || count != 3) {
        return 2;
    }
    const auto list =
        reinterpret_cast<HWND>(static_cast<INT_PTR>(std::wcstoll(args[1], nullptr, 10)));
    std::string rows;
    const auto total = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int row = 0; row < total; ++row) {
        const auto length = static_cast<int>(SendMessageW(list, LB_GETTEXTLEN, row, 0));
        if (length < 0) {
            return 3;
        }
        std::vector<wchar_t> text(static_cast<std::size_t>(length) + 64, L'\0');
        SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
        const std::wstring read(text.data());
        if (static_cast<int>(read.size()) != length) {
            rows += "length " + std::to_string(length) + ": ";
        }
        rows += kelvane::FromWide(read) + "\n";
    }
    HANDLE out = CreateFileW(args[2], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    const bool done =
        out != INVALID_HANDLE_VALUE &&
        WriteFile(out, rows.data(), static_cast<DWORD>(rows.size()), &written, nullptr) &&
        written == rows.size();
    CloseHandle(out);
    LocalFree(args);
    return done ? 0 : 4;
}
