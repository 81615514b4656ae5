#include "files/file_error.h"

namespace quorvane {

namespace {

std::u16string ProblemText(const FileError& error) {
    switch (error.problem) {
        case FileProblem::kNone:
            return {};
        case FileProblem::kNotFound:
            return u"文件或文件夹不存在";
        case FileProblem::kIsDirectory:
            return u"这是一个文件夹";
        case FileProblem::kNotAFile:
            return u"这不是普通文件";
        case FileProblem::kNoPermission:
            return u"没有权限";
        case FileProblem::kReadOnlyStorage:
            return u"文件系统是只读的";
        case FileProblem::kDiskFull:
            return u"磁盘空间不足";
        case FileProblem::kQuotaExceeded:
            return u"超出磁盘配额";
        case FileProblem::kTooLarge:
            return u"文件太大";
        case FileProblem::kNameTooLong:
            return u"文件名太长";
        case FileProblem::kNotAFolderInPath:
            return u"路径中的某一部分不是文件夹";
        case FileProblem::kLinkLoop:
            return u"符号链接循环";
        case FileProblem::kInUse:
            return u"文件正被占用";
        case FileProblem::kPipeClosed:
            return u"管道已关闭";
        case FileProblem::kTooManyOpenFiles:
            return u"打开的文件太多";
        case FileProblem::kOutOfMemory:
            return u"内存不足";
        case FileProblem::kInputOutput:
            return u"读写设备出错";
        case FileProblem::kNameNotKept:
            return u"文件名无法在文件系统中表示";
        case FileProblem::kIsTheDatabase:
            return u"这是数据库文件";
        case FileProblem::kNoFileDescriptor:
            return u"标准输入或输出已关闭";
        case FileProblem::kOther:
            break;
    }
    const std::string number = std::to_string(error.systemCode);
    return u"系统错误 " + std::u16string(number.begin(), number.end());
}

}  // namespace

FileError FileErrorFromTable(int code, std::span<const SystemErrorCause> causes) {
    FileError error;
    error.systemCode = code;
    if (code == 0) {
        return error;
    }
    error.problem = FileProblem::kOther;
    for (const SystemErrorCause& cause : causes) {
        if (cause.code == code) {
            error.problem = cause.problem;
            break;
        }
    }
    return error;
}

std::u16string DescribeFileError(const FileError& error) {
    std::u16string text = ProblemText(error);
    switch (error.inPlace) {
        case FileError::InPlace::kNotNeeded:
            break;
        case FileError::InPlace::kOldFileKept:
            text += u"（文件夹中无法新建文件, 只能在原文件上写入; 原文件未改动）";
            break;
        case FileError::InPlace::kOldFileDamaged:
            text +=
                u"（文件夹中无法新建文件, 只能在原文件上写入; 写入中途失败, 原文件已被部分覆盖）";
            break;
    }
    return text;
}

}  // namespace quorvane
