#include "AboutText.h"

// The maker is this project; the address and numbers are placeholders that
// name no real place or line.
namespace pages::about {

const QString kCredit =
    QStringLiteral("策划与制作：Quillora 项目组　　　　　　　　版权所有（2026）Quillora 项目组");
const QString kAddress = QStringLiteral("示例省样本市虚构区无名路000号（虚构地址）");
const QString kPostcode = QStringLiteral("000000");
const QString kTelephone = QStringLiteral("000-00000000");
const QString kEmail = QStringLiteral("vellumbra@example.org");
const QString kRightsSentence =
    QStringLiteral("Vellumbra 阅读器软件及其中由本项目编写的注释、赏析、简介等文字，著作权均归 "
                   "Quillora 项目组所有。");
const QString kCopyingSentence =
    QStringLiteral("未经书面许可，任何单位或个人不得擅自复制、传播或出售本软件及其内容的全部或部分"
                   "，违者将依法承担相应责任。");

} // namespace pages::about
