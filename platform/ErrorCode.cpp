#include "ErrorCode.h"

namespace platform {

QString errorMessage(ErrorCode code) {
    switch (code) {
    case ErrorCode::CategoryNotOpen:
        return QStringLiteral("分类记录集尚未打开");
    case ErrorCode::NoCurrentRecord:
        return QStringLiteral("没有当前记录");
    case ErrorCode::NoSuchField:
        return QStringLiteral("在此集合中找不到项目");
    case ErrorCode::DatabaseClosed:
        return QStringLiteral("数据库已关闭");
    case ErrorCode::NoSuchNode:
        return QStringLiteral("找不到元素");
    case ErrorCode::DuplicateKey:
        return QStringLiteral("键不唯一");
    case ErrorCode::FolderNotCreated:
        return QStringLiteral("无法创建文件夹");
    case ErrorCode::FolderNotRemoved:
        return QStringLiteral("无法删除文件夹");
    case ErrorCode::FileNotCreated:
        return QStringLiteral("无法创建文件");
    case ErrorCode::FileNotWritten:
        return QStringLiteral("写入文件失败");
    case ErrorCode::FileNotSaved:
        return QStringLiteral("无法保存文件");
    case ErrorCode::FileNotRead:
        return QStringLiteral("无法读取文件");
    case ErrorCode::AttributesNotRead:
        return QStringLiteral("无法读取文件属性");
    case ErrorCode::AttributesNotSet:
        return QStringLiteral("无法设置文件属性");
    case ErrorCode::FileNotDeleted:
        return QStringLiteral("无法删除文件");
    case ErrorCode::LockNotCreated:
        return QStringLiteral("无法创建锁文件");
    case ErrorCode::LockNotTaken:
        return QStringLiteral("无法锁定");
    case ErrorCode::FolderNotOpened:
        return QStringLiteral("无法打开文件夹");
    case ErrorCode::FolderUnusable:
        return QStringLiteral("无法使用文件夹");
    case ErrorCode::HomeNotFound:
        return QStringLiteral("找不到主文件夹");
    case ErrorCode::ResourceMissing:
        return QStringLiteral("找不到内嵌资源");
    case ErrorCode::SettingsNotSaved:
        return QStringLiteral("无法保存设置");
    case ErrorCode::DatabaseNotOpened:
        return QStringLiteral("无法打开数据库");
    case ErrorCode::QueryFailed:
        return QStringLiteral("查询失败");
    case ErrorCode::BindFailed:
        return QStringLiteral("参数绑定失败");
    case ErrorCode::ExecuteFailed:
        return QStringLiteral("执行失败");
    case ErrorCode::CollationMissing:
        return QStringLiteral("无法打开中文排序规则");
    case ErrorCode::CollationNotRegistered:
        return QStringLiteral("无法注册拼音排序");
    case ErrorCode::DatabaseDamaged:
        return QStringLiteral("数据库文件已损坏");
    case ErrorCode::FavouritesSetAside:
        return QStringLiteral("收藏文件已损坏，原文件已另存为");
    case ErrorCode::FavouritesNotSaved:
        return QStringLiteral("无法保存收藏");
    case ErrorCode::FavouritesNotRead:
        return QStringLiteral("无法读取收藏");
    case ErrorCode::UnknownCriteria:
        return QStringLiteral("无法识别的查找条件");
    case ErrorCode::ConverterMissing:
        return QStringLiteral("无法打开代码页 936 转换器");
    case ErrorCode::EncodeFailed:
        return QStringLiteral("代码页 936 编码失败");
    case ErrorCode::DecodeFailed:
        return QStringLiteral("代码页 936 解码失败");
    case ErrorCode::ScriptTablesMissing:
        return QStringLiteral("无法打开繁简转换表");
    case ErrorCode::ProcessNotPrepared:
        return QStringLiteral("无法准备进程");
    case ErrorCode::OutputNotWritten:
        return QStringLiteral("无法写出结果");
    case ErrorCode::PageNotLoaded:
        return QStringLiteral("无法显示页面");
    case ErrorCode::UnknownNodeKey:
        return QStringLiteral("无法识别的节点");
    case ErrorCode::Unexpected:
        return QStringLiteral("意外错误");
    }
    return QStringLiteral("未知错误");
}

} // namespace platform
