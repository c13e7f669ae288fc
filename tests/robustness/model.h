#pragma once
// What a user should see after each action, worked out from the stories' slot tables and the
// navigation steps written down again here, never taken from the program, so that a slip in
// either shows up as a difference.

#include <QKeyCombination>
#include <QStringList>

#include <map>
#include <vector>

namespace robust {

struct WindowState {
    bool loaded = false;
    bool visible = false;
    QString focus;  // the control that has, or gets back, the focus; none before the first showing
    QStringList answers;
    bool told = false;
    std::map<QString, QString> slots;  // slot label -> caption
};

struct MenuItem {
    QString name;
    QKeyCombination shortcut;
    char accessKey;  // within the Menu menu; 0 for the Story menu, whose Alt+S is Submit's
};

class Model {
public:
    static inline const QStringList kWindows{"Form1", "Form2", "Form3"};
    static inline const QStringList kButtons{"Command1", "Command2"};
    static bool isStory(const QString& window) { return window != "Form2"; }
    static QStringList tabOrder(const QString& window);
    static std::vector<MenuItem> menu(const QString& window);
    static QStringList storyLabels(const QString& window);  // the closing line last

    Model();  // the start-up window shown, nothing else loaded

    const WindowState& window(const QString& name) const { return windows_.at(name); }
    QStringList visibleWindows() const;
    bool ended() const { return ended_; }

    void pressButton(const QString& window, const QString& button);  // by mouse, access key, Enter or Space
    void choose(const QString& window, const QString& item);
    void key(const QString& window, QKeyCombination keys);
    void type(const QString& window, int box, const QString& text, bool replace);
    void close(const QString& window);

private:
    void run(const QString& window, const QString& control);
    void setVisible(const QString& window, bool visible);  // loads it first if need be
    void settle();

    std::map<QString, WindowState> windows_;
    bool ended_ = false;
};

}  // namespace robust
