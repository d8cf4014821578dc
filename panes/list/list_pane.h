// A folder list: the main and the sub list are two of these. Each owns its list-view control, the
// model of the folder it shows, its view state, its in-place comment editor and the drawing
// resources that only lists use. The main window passes it every notification of its control.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <functional>
#include <string>

#include "core/comments.h"
#include "core/gesture_recognizer.h"
#include "core/list_search.h"
#include "core/list_view_state.h"
#include "core/settings_table.h"
#include "panes/favourites/favourite_entries.h"
#include "panes/list/folder_list.h"
#include "panes/list/header_bar.h"
#include "panes/list/info_strip.h"
#include "panes/list/list_host.h"
#include "panes/list/wheel_offer.h"
#include "panes/list/list_lock.h"
#include "panes/list/thumbnail_source.h"
#include "core/new_item_names.h"
#include "dnd/drop_registration.h"
#include "shell/context_menus.h"
#include "shell/shell_services.h"
#include "ui/theme.h"
#include "win/owners.h"
#include "win/subclass.h"

constexpr int kMainListId = 1102;
constexpr int kSubListId = 1103;
constexpr int kMainCommentEditId = 1700;
constexpr int kSubCommentEditId = 1701;
// Set on the list that took the last search key; when it fires the typed text is done.
constexpr UINT_PTR kSearchTimerId = 291;
constexpr UINT kSearchPauseMs = 500;

// What both lists read and write beside their own folders, owned by the main window and the
// application, all living longer than the lists.
struct ListPaneShared {
    Theme& theme;
    const Settings& settings;
    CommentTable& comments;
    // Typing in one list and then in the other goes on with the same search.
    search::SearchState& search;
    // Holds the handler of the item menu shown last, for the shell's own owner-drawn submenus.
    ShellServices& shell;
};

// The pens, brushes, fonts and images with which the lists draw their items.
struct ListLook {
    Font fixedFont;
    // Image 0 marks an item that has a comment.
    ImageList commentMarks;
    Pen dottedPen, nullPen;
    // The striped rows, the icon square of tiles, and the thumbnail frames and caption ruling.
    Brush alternateRow, iconWell, frame;
};

class ListPane : private ThumbnailViewer {
public:
    ListPane(int controlId, ListLock& lock);
    // The control stays with its parent window, but keeps neither the pane's font nor its procedures.
    ~ListPane();
    ListPane(const ListPane&) = delete;
    ListPane& operator=(const ListPane&) = delete;

    // Makes the control and its comment editor in the list font, and gives it its start style.
    void Create(HWND mainWindow, const ListPaneShared& shared, const LOGFONTA& font, int style);
    // Until a host is set, items are not opened.
    void SetHost(ListHost* host) { host_ = host; }
    // Offered every turn of the wheel over the list before the list scrolls.
    void SetWheelOffer(WheelOffer* offer) { wheelOffer_ = offer; }
    // The program's gesture recogniser, shared by both lists; until it is set, a right press on
    // empty space is the control's own.
    void SetGestures(GestureRecognizer* gestures) { gestures_ = gestures; }
    // Until a source is set, the thumbnail style draws every item's placeholder. The source must
    // outlive the pane or be replaced first.
    void SetThumbnails(ThumbnailSource* thumbnails);
    // The settings changed: the font, the tooltip delay and the thumbnail cells are taken anew and
    // the rows drawn again in the new colours.
    void ApplySettings(const LOGFONTA& font);
    // The list's bar window becomes its header bar, once the host is set.
    void AttachHeaderBar(HWND bar, const FavouriteSource& favourites);
    HeaderBar& Header() { return header_; }
    HWND Window() const { return window_; }
    HWND CommentEditor() const { return editor_; }
    FolderList& Model() { return model_; }
    const ListLook& Look() const { return look_; }

    // The list shows the folder from its first row in its view style; false, with the previous
    // contents kept, when the folder cannot be read.
    bool Show(ComPtr<IShellFolder> folder);
    bool Reload();
    bool Resort();
    // Sorts the rows again in another order.
    bool SortBy(const SortState& sort);

    // The strip under the list shows from now on the list's counts and sort order.
    void AttachInfoStrip(HWND strip);
    InfoStrip& Info() { return info_; }

    // The control's layout, extended styles, spacing images, columns and text for a view style;
    // with arrange the icons are lined up again.
    void SetViewStyle(int style, bool arrange);
    int Style() const { return state_.style; }
    // The value the settings file keeps for the style.
    int SavedStyle() const { return ::SavedStyle(state_.style); }
    bool CommentMode() const { return commentMode_; }
    bool ThumbnailMode() const { return thumbnailMode_; }
    const ListViewState& ViewState() const { return state_; }
    // The state to write back into the tab that the list leaves: an active comment edit is
    // committed and the shown style's column widths are read as the control has them now.
    ListViewState StateForTab();
    // Takes the view of the tab that the list shows next.
    void TakeViewState(const ListViewState& state);
    // Sizes the list layout's column or the tile layout's cells for the widest name, which is
    // remembered for later changes of style.
    void SizeListColumns(int widestName);

    // Opens one item as the list does, through the host's tabs: a folder, or a shortcut to one, is
    // shown in the list, a shortcut to an address is opened, and anything else is started by the
    // shell. With rememberFolder a folder item sends the folder shown now to the tab's back history.
    void OpenItemInList(IShellFolder* folder, PCUITEMID_CHILD item, bool rememberFolder);
    // Enter: one selected row opens as a double-click does, several open as tabs.
    void OpenSelection();

    // The comment style's in-place editor of a row's comment.
    void BeginCommentEdit(int row);
    void CommitCommentEdit();
    void CancelCommentEdit();
    // Commits, then edits the row above or below when there is one.
    void MoveCommentEdit(bool up);
    bool CommentEditActive() const { return editActive_; }

    // Selects the first row after the selection whose name begins with the text, going round to
    // the top; without keepSelection that row becomes the only selected one. Nothing changes when no
    // name matches.
    void SearchAndSelect(const std::string& text, bool keepSelection);

    // The file commands, all carried out by the shell's own context-menu objects.
    // The shell's menu of the selected rows, or, on empty space with nothing selected, the list's
    // own menu of its folder; at a point on the screen.
    void ShowContextMenu(POINT screenPoint, bool onEmptySpace);
    void ShowItemMenu(POINT screenPoint);
    void ShowBackgroundMenu(POINT screenPoint);
    // A command on the selected rows; with none selected, paste and properties act on the folder.
    void RunItemCommand(ItemCommand command);
    // Properties, paste or paste-as-shortcut on the shown folder itself.
    void RunFolderVerb(ItemCommand command);
    // Opens the rename editor under the row; the name confirmed there goes to Rename.
    void BeginRename(int row);
    // Gives the item the new name, unless the name holds a character no file name may hold or the
    // path would not fit; the item keeps its comment and is selected under its new name.
    bool Rename(const std::string& newName, IShellFolder* folder, PCUITEMID_CHILD item);
    // A new folder or empty file under a free name, then its rename at once.
    void CreateNewItem(NewItemKind kind);
    // What a gesture's action number does on this list; a number that is no action does nothing.
    void RunGestureAction(int32_t action);
    // Copies of the selected rows' identifiers, in row order.
    std::vector<ItemIdList> SelectedItems() const;
    // The selected rows in row order, read from the control itself.
    std::vector<int> SelectedRows() const;

    // Set while a drag of this list's items runs, so that the list's drop target knows a drop back
    // onto the list for what it is.
    bool DragFromHere() const { return draggingFromHere_; }
    // The list's drop target (list_drop.cpp), which hands drags to the shell; the sound plays when
    // the shell takes a drop.
    bool RegisterDropTarget(std::function<void()> dropSound);
    void RevokeDropTarget();
    IDropTarget* DropTarget() const { return dropRegistration_.Target(); }

    // Every WM_NOTIFY of the control; what it does not handle gets the default answer.
    LRESULT OnNotify(NMHDR* header);

    // The row under a drag that may be dropped on, drawn outlined; -1 for none. The control keeps
    // only the selection and the focus of an owner-data list, so the pane keeps this mark itself.
    void SetDropHighlight(int row);
    int DropHighlight() const { return dropRow_; }

    // The colour of an item's name by its attributes and the colour settings.
    COLORREF ItemTextColour(IShellFolder* folder, PCUITEMID_CHILD item) const;
    // A click below the picture of a polaroid cell edits the item's comment in a box under the cell.
    void OpenCaptionComment(int row, POINT clickPoint);

private:
    static LRESULT ListProcedure(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT EditorProcedure(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool HandleEditorKey(UINT message, WPARAM key);

    void CreateLook(const Settings& settings);
    void SetTipDelay();
    void KeepColumnWidths();
    void InsertColumns(bool commentView);
    void SetLayout(ListLayout layout);
    HIMAGELIST SpacingList(SpacingCells cells) const;

    bool ShowsRow(int row) const;
    void DisplayText(NMLVDISPINFOA& request);
    std::string TextOf(int row, int column);
    std::string TileText(IShellFolder* folder, PCUITEMID_CHILD item);

    int RowAt(POINT clientPoint) const;
    int SingleSelectedRow() const;
    HWND MainWindow() const { return GetParent(window_); }
    void SignalOwnChange() const { SetEvent(model_.OwnChangeEvent()); }
    void ClearOwnChange() const { ResetEvent(model_.OwnChangeEvent()); }
    void RunBackgroundChoice(UINT choice);
    // The name or full path of the first selected row to the clipboard.
    void CopySelectedText(bool fullPath);

    // The right button's gesture (list_gestures.cpp); true when the message is used up.
    bool OnGestureMouse(UINT message, LPARAM lParam);
    bool GestureHere() const;
    void CancelGesture();
    void EndGestureStatus();
    LRESULT OnKeyDown(const NMLVKEYDOWN& key);
    void RecordSelectionAfterKey(WORD key);
    // 1 when the key was handled, 0 when the control may act on it too.
    LRESULT OnListKey(WORD key);
    void TypeSearchKey(WORD key);
    void EndSearch();
    void StepSelection();
    void SelectOnly(int row);
    void SelectAll();
    void OnItemChanged(const NMLISTVIEW& change);
    LRESULT OnClick(const NMITEMACTIVATE& click);
    void OnDoubleClick(const NMITEMACTIVATE& click);
    void OnColumnClick(const NMLISTVIEW& click);

    // The item's size, time, attributes and comment as the settings ask, after its name when the
    // control cuts the name short.
    LRESULT OnGetInfoTip(NMLVGETINFOTIPA& request);
    // Either button drags every selected row, when the drag starts on a row.
    LRESULT OnBeginDrag(const NMLISTVIEW& drag);
    LRESULT OnRightClick(const NMITEMACTIVATE& click);

    // Which of the marks an item can carry it is drawn with, the first that it has of these.
    enum class Highlight { None, Dropped, Selected, Focused };
    // What every style's drawing needs of one item, read once when the control asks.
    struct ItemPaint {
        HDC dc = nullptr;
        int row = -1;
        IShellFolder* folder = nullptr;
        PCUITEMID_CHILD item = nullptr;
        Highlight highlight = Highlight::None;
        int icon = -1;
        UINT iconStyle = 0;
        COLORREF textColour = 0;
        RECT iconBox{}, bounds{}, label{};
    };
    LRESULT OnCustomDraw(NMLVCUSTOMDRAW& draw);
    bool BeginItemPaint(const NMLVCUSTOMDRAW& draw, ItemPaint& paint);
    RECT ItemRect(int row, int part) const;
    UINT IconDrawStyle(const ItemPaint& paint) const;
    HBRUSH SelectionBrush() const;
    HFONT DetailFont() const;
    void DrawSmallIcon(const ItemPaint& paint, int x, int y) const;
    void DrawLargeIcon(const ItemPaint& paint, int x, int y) const;
    void DrawIcon(const ItemPaint& paint);
    void DrawTile(const ItemPaint& paint);
    void DrawList(const ItemPaint& paint);
    HBRUSH DrawRowBand(const ItemPaint& paint);
    void DrawRowName(const ItemPaint& paint);
    void DrawDetailsRow(const ItemPaint& paint);
    void DrawCommentRow(const ItemPaint& paint);
    void DrawThumbnail(const ItemPaint& paint);
    // Redraws the row when it still shows the file whose picture is made.
    void ThumbnailMade(const std::string& path, int row) override;
    void DrawCaption(const ItemPaint& paint);

    void OpenRow(int row, bool rememberFolder);

    void PlaceEditor();
    void FollowEditor();
    void EndCommentEdit();

    int controlId_;
    HWND window_ = nullptr;
    HWND editor_ = nullptr;
    ListHost* host_ = nullptr;
    WheelOffer* wheelOffer_ = nullptr;
    ThumbnailSource* thumbnails_ = nullptr;
    GestureRecognizer* gestures_ = nullptr;
    int dropRow_ = -1;
    Theme* theme_ = nullptr;
    const Settings* settings_ = nullptr;
    CommentTable* comments_ = nullptr;
    search::SearchState* search_ = nullptr;
    ShellServices* shell_ = nullptr;
    Font font_;
    ListLook look_;

    ListViewState state_;
    FolderList model_;
    InfoStrip info_{*this};
    // Which columns the control has now, from this state.
    ListColumns columns_ = ListColumns::None;
    DisplayKind display_ = DisplayKind::Name;
    bool commentMode_ = false;
    bool thumbnailMode_ = false;
    int widestName_ = 0;
    // An arrow key lets the next selection change remember the only selected row.
    bool recordAtNextChange_ = false;
    bool draggingFromHere_ = false;
    DropRegistration dropRegistration_;
    // The control's own procedure, for questions asked row by row over a large selection.
    WNDPROC controlProcedure_ = nullptr;

    bool editActive_ = false;
    CommentEditPlace editPlace_;
    // The item whose comment is edited, held so that the comment reaches it even when the rows
    // change under the editor.
    ComPtr<IShellFolder> editFolder_;
    ItemIdList editItem_;

    Subclass listSubclass_;
    Subclass editorSubclass_;
    HeaderBar header_{*this};
};
