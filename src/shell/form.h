#pragma once

#include <QWidget>

namespace pictolex {

class AppContext;
class MMControl;
class WindowTimer;

// A window with a load and an unload step. Form_Load runs exactly once, on the first show or
// the first access to the window's state; Unload runs Form_Unload nested and never cancels.
class Form : public QWidget {
    Q_OBJECT
public:
    void Show();
    void Hide();
    void Unload();

    bool isLoaded() const { return loaded_; }

    void setBackColor(const QColor& color);

    // The window's invisible sound control.
    MMControl& mmControl();

protected:
    explicit Form(AppContext& context);

    // Runs Form_Load if it has not run yet. Every accessor of window state calls it.
    void ensureLoaded();

    virtual void Form_Load() = 0;
    virtual void Form_Unload() = 0;

    void closeEvent(QCloseEvent* event) override;

    AppContext& context_;
    MMControl* MMControl1;

private:
    void armTimers(bool armed);

    bool loaded_ = false;
    bool everLoaded_ = false;
    bool unloading_ = false;
};

} // namespace pictolex
