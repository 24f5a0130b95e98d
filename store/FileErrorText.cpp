#include "store/FileErrorText.h"

#include "platform/SystemError.h"

std::u16string DescribeFileError(std::error_code error, FileAccess access) {
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted ||
        error == std::errc::read_only_file_system) {
        return access == FileAccess::Read ? u"没有读取权限" : u"没有写入权限（文件或文件夹为只读）";
    }
    if (IsDiskFullError(error))
        return u"磁盘空间不足";
    if (error == std::errc::is_a_directory)
        return u"GM.ini 是一个文件夹，不是文件";
    if (error == std::errc::no_such_file_or_directory)
        return u"找不到文件或文件夹";
    return u"无法读写文件：" + SystemErrorMessage(error);
}
