// Port: opening another window modally from a window model. The view side knows the windows;
// a model only names the one it wants.
#pragma once

namespace tv::services {

enum class WindowId {
    ListForm,       // リスト登録
    MainInputForm,  // 柱積算
    ZatuInpForm,    // 副部材積算
    MainInput2Form, // 梁積算
    SyukeiForm,     // 集計・印刷
    BuzaiForm,      // 部材単位重量登録
    KansanForm,     // 隅肉6㍉換算率登録
    SetteiForm,     // 初期設定
    InfoForm,       // 入力説明
};

class WindowOpener {
public:
    virtual ~WindowOpener() = default;
    // Shows the window modally and returns when it closes; false when this build has no such window.
    virtual bool open(WindowId id) = 0;
};

} // namespace tv::services
