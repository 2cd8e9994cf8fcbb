// A skin screen: a borderless form whose look comes from pictures on the
// disc: a background chosen by the interface language and picture buttons
// built from the screen's layout file. A screen only decides what a button
// number does when clicked.
#pragma once

#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/forms.h"

/// A picture button; its object name is "image" followed by its number.
using ImageButton = platform::ImageControl;

/// What a screen reader calls button `button`, in the two interface languages.
struct ButtonName {
    int button;
    QString english;
    QString arabic;
};

class SkinScreen : public platform::Form {
    Q_OBJECT
  public:
    explicit SkinScreen(QWidget* parent = nullptr);

    /// Chooses the picture folder: GraphicDir + screen + "\" + LanguageIndex + "\",
    /// or GraphicDir + screen + "\" when `languageLevel` is false.
    void SetSkinFolder(const std::string& screen, bool languageLevel = true);

    /// Sets the client size, places imgground1 over it and loads the
    /// background picture (raises when it is missing).
    void PlaceBackground(int width, int height);

    /// Builds the buttons from the layout file, hidden or visible. Raises at
    /// the first bad value (naming the file and key) or missing up picture;
    /// the slots after it stay empty. A layout file that does not exist
    /// gives no buttons and is reported without ending the create handler.
    void BuildButtons(bool visible);
    /// The layout file: ButtonFolder + ScreenName + ".ini".
    std::string LayoutPath() const;

    /// Shows every button that was built (empty slots are skipped).
    void ShowButtons();

    /// The button control named "image" + n, or nullptr.
    ImageButton* Button(int n) const;

    /// The number of a button control from its name ("image7" -> 7, "image12" -> 12).
    static int ButtonNumber(const QString& name);

    /// Picture paths of button n.
    std::string UpPicture(int n) const;
    std::string FocusPicture(int n) const;
    std::string DownPicture(int n) const;

    // Mouse handling shared by every skin screen.
    void Focus(int n);
    void Press(int n);
    void Release(int n);
    void Reset();

    /// The button that closes the screen; Escape clicks it when it is
    /// enabled (0: Escape does nothing). When the close button was never
    /// built (its skin failed), Escape closes a modal screen and runs the
    /// close button's action on any other.
    int CloseButton = 0;
    void EscapeKey() override;
    /// The button under the pointer, if any, shows its focus picture, and no other.
    void Uncovered() override;
    /// Arrow keys move the focus picture to the nearest enabled button in
    /// that direction on screen; Enter and Space click the focused button.
    bool KeyPressed(int key, Qt::KeyboardModifiers modifiers) override;
    /// Clicks button n as the mouse would, when it exists, is shown and enabled.
    bool ClickButton(int n);
    /// Enables or disables button n. A disabled button ignores the mouse and
    /// the keys, and is drawn faded over the background.
    void EnableButton(int n, bool enabled);
    bool ButtonEnabled(int n) const;

    /// The buttons' names for screen readers, kept by each screen beside
    /// what its buttons do.
    std::vector<ButtonName> ButtonNames;
    /// The name of button n in the interface language (Arabic when the
    /// language is 1), or in the one asked for; empty when it has none.
    QString ButtonAccessibleName(int n) const;
    QString ButtonAccessibleName(int n, bool arabic) const;

    std::string ScreenName;
    std::string ButtonFolder;
    platform::ImageControl* imgground1;
    std::vector<ImageButton*> ButtonList;
    int FocusedButton = 0;

    /// Lets the Tab key reach the buttons: the screen itself becomes a stop
    /// of the Tab chain after its fields and lists; arriving there shows the
    /// focus picture of the first button (the arrows move it, Enter clicks
    /// it), tabbing on puts it back up.
    void TabReachesButtons();
    /// The control that takes the keyboard focus when the screen appears.
    QWidget* FirstFocus = nullptr;

    /// A screen left without a single button by its create handler says so
    /// (naming its layout file) and how to get out.
    CreateNote createdNote() const override;

  protected:
    void showEvent(QShowEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

    /// What the keys still do on a screen whose buttons failed.
    std::string WayOut() const;
    /// The missing layout file was reported already.
    bool NoButtonsReported = false;

    /// What a click on button n does.
    virtual void ButtonClick(int n) {}
    /// Whether releasing the mouse on button n shows its focus picture.
    virtual bool ReleaseShowsFocus(int n) { return true; }
    /// Whether button n is a choice (-1: it is not; 0: not chosen; 1: chosen).
    virtual int ButtonChosen(int n) const { return -1; }
};
