#include "app/own_link.h"

#include <QDir>

#include <memory>
#include <vector>

#include <windows.h>
#include <aclapi.h>

namespace {

// The security identifier of the user running the program, from the process token.
std::vector<char> userSid()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return {};
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<char> user(size);
    const bool known = size > 0 && GetTokenInformation(token, TokenUser, user.data(), size, &size);
    CloseHandle(token);
    return known ? user : std::vector<char>{};
}

// Whether the file (the link itself with FILE_FLAG_OPEN_REPARSE_POINT) is owned by sid;
// a file that cannot be opened counts as owned, as a missing link target does on Linux.
bool ownedBy(const std::wstring &name, DWORD flags, PSID sid)
{
    const HANDLE handle = CreateFileW(name.c_str(), READ_CONTROL, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | flags, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return (flags & FILE_FLAG_OPEN_REPARSE_POINT) == 0;
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    const bool owned = GetSecurityInfo(handle, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr, nullptr,
                                       nullptr, &descriptor) == ERROR_SUCCESS
        && owner && EqualSid(owner, sid);
    LocalFree(descriptor);
    CloseHandle(handle);
    return owned;
}

} // namespace

bool isOwnLinkOrNoLink(const QString &path)
{
    const std::wstring name = QDir::toNativeSeparators(path).toStdWString();
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return true;
    std::vector<char> user = userSid();
    if (user.empty())
        return false;
    const PSID sid = reinterpret_cast<TOKEN_USER *>(user.data())->User.Sid;
    return ownedBy(name, FILE_FLAG_OPEN_REPARSE_POINT, sid) && ownedBy(name, 0, sid);
}
