// The number of every resource of the program, and of the controls and menu commands that the
// resource scripts share with the code. Read by the compiler, by the resource compiler and by the
// artwork generator alike, so it holds nothing but macros; the code and the scripts use the names.
//
// IDI_ icons, IDC_ cursors, IDB_ bitmaps, IDW_ WAVE sounds, IDD_ dialog templates, IDE_ edit
// controls inside the templates, IDM_ menus, CMD_ menu commands. A button's looks end in _NORMAL,
// _PRESSED and _HOVER; a button that shows a mode has _ON and _OFF instead of _NORMAL; _INACTIVE
// is a title button while its window is not active, _DISABLED a button that does nothing now.
#pragma once

// Icons, each with several sizes.
#define IDI_PROGRAM 307  // the window's icon
#define IDI_TRAY 326     // the notification-area icon

// Cursors of the folder tree's hide mode, and the pointer that carries a dragged tab.
#define IDC_ERASER 104
#define IDC_MAGNIFIER 105
#define IDC_TAB_DRAG 106

// The frame: the logo in the title area, the title button (opens the window menu) and the
// window buttons. The tray button rolls the window up into the notification area.
#define IDB_LOGO_STRIP 231
#define IDB_FRAME_TITLE_NORMAL 260
#define IDB_FRAME_TITLE_PRESSED 261
#define IDB_FRAME_TITLE_HOVER 259
#define IDB_FRAME_TITLE_INACTIVE 262
#define IDB_CLOSE_NORMAL 215
#define IDB_CLOSE_PRESSED 217
#define IDB_CLOSE_HOVER 216
#define IDB_TRAY_NORMAL 218
#define IDB_TRAY_PRESSED 220
#define IDB_TRAY_HOVER 219
#define IDB_MAXIMISE_NORMAL 251
#define IDB_MAXIMISE_PRESSED 253
#define IDB_MAXIMISE_HOVER 252
#define IDB_RESTORE_NORMAL 248
#define IDB_RESTORE_PRESSED 250
#define IDB_RESTORE_HOVER 249

// Owner-drawn popup menus: the stripe tiled at the left of every item, and the item icons. The
// icons from check to version are also the marks that panes draw beside items.
#define IDB_MENU_STRIPE 316
#define IDB_MENU_ICON_CHECK 292
#define IDB_MENU_ICON_RENAME_TAB 290
#define IDB_MENU_ICON_SUB_SELECTION 287
#define IDB_MENU_ICON_CLOSE 286
#define IDB_MENU_ICON_MAXIMISE 295
#define IDB_MENU_ICON_TRAY 294
#define IDB_MENU_ICON_RESTORE 293
#define IDB_MENU_ICON_LOCK 288
#define IDB_MENU_ICON_UNLOCK 289
#define IDB_MENU_ICON_HELP 299
#define IDB_MENU_ICON_VERSION 300
#define IDB_MENU_ICON_NEW_TAB 291
#define IDB_MENU_ICON_SHADE 296
#define IDB_MENU_ICON_UNSHADE 297
#define IDB_MENU_ICON_FAVOURITE 298

// Mode buttons of the left column, and the properties button below them.
#define IDB_TREE_TOGGLE_ON 170
#define IDB_TREE_TOGGLE_OFF 169
#define IDB_TREE_TOGGLE_PRESSED 171
#define IDB_FAVOURITES_TOGGLE_ON 339
#define IDB_FAVOURITES_TOGGLE_OFF 338
#define IDB_FAVOURITES_TOGGLE_PRESSED 340
#define IDB_HIDDEN_FILES_TOGGLE_ON 173
#define IDB_HIDDEN_FILES_TOGGLE_OFF 172
#define IDB_HIDDEN_FILES_TOGGLE_PRESSED 174
#define IDB_TIPS_TOGGLE_ON 236
#define IDB_TIPS_TOGGLE_OFF 235
#define IDB_TIPS_TOGGLE_PRESSED 237
#define IDB_TWO_PANE_TOGGLE_ON 240
#define IDB_TWO_PANE_TOGGLE_OFF 239
#define IDB_TWO_PANE_TOGGLE_PRESSED 241
#define IDB_GESTURE_TOGGLE_ON 396
#define IDB_GESTURE_TOGGLE_OFF 395
#define IDB_GESTURE_TOGGLE_PRESSED 397
#define IDB_PROPERTIES_NORMAL 232
#define IDB_PROPERTIES_PRESSED 234

// Buttons of the list header bar, the info strip, the tree bar and the favourites bar.
#define IDB_BACK_NORMAL 158
#define IDB_BACK_PRESSED 160
#define IDB_BACK_HOVER 159
#define IDB_BACK_DISABLED 161
#define IDB_UP_NORMAL 162
#define IDB_UP_PRESSED 164
#define IDB_UP_HOVER 163
#define IDB_UP_DISABLED 165
#define IDB_VIEW_STYLE_NORMAL 166
#define IDB_VIEW_STYLE_PRESSED 168
#define IDB_VIEW_STYLE_HOVER 167
#define IDB_FAVOURITES_MENU_NORMAL 348
#define IDB_FAVOURITES_MENU_PRESSED 350
#define IDB_FAVOURITES_MENU_HOVER 349
#define IDB_SORT_ASCENDING_NORMAL 194
#define IDB_SORT_ASCENDING_PRESSED 196
#define IDB_SORT_ASCENDING_HOVER 195
#define IDB_SORT_DESCENDING_NORMAL 197
#define IDB_SORT_DESCENDING_PRESSED 199
#define IDB_SORT_DESCENDING_HOVER 198
// The sort column, shown by name.
#define IDB_SORT_NAME_NORMAL 200
#define IDB_SORT_NAME_PRESSED 202
#define IDB_SORT_NAME_HOVER 201
#define IDB_SORT_SIZE_NORMAL 203
#define IDB_SORT_SIZE_PRESSED 205
#define IDB_SORT_SIZE_HOVER 204
#define IDB_SORT_TYPE_NORMAL 206
#define IDB_SORT_TYPE_PRESSED 208
#define IDB_SORT_TYPE_HOVER 207
#define IDB_SORT_DATE_NORMAL 209
#define IDB_SORT_DATE_PRESSED 211
#define IDB_SORT_DATE_HOVER 210
#define IDB_SORT_ATTRIBUTES_NORMAL 212
#define IDB_SORT_ATTRIBUTES_PRESSED 214
#define IDB_SORT_ATTRIBUTES_HOVER 213
// The tree's eraser: lit while the hide mode is on, with a plus while the magnifier is on. Its
// two pressed looks serve with the magnifier on and off alike.
#define IDB_ERASER_NORMAL 188
#define IDB_ERASER_PRESSED 192
#define IDB_ERASER_HOVER 189
#define IDB_ERASER_HIDE_MODE_NORMAL 184
#define IDB_ERASER_HIDE_MODE_PRESSED 193
#define IDB_ERASER_HIDE_MODE_HOVER 185
#define IDB_ERASER_MAGNIFIER_NORMAL 190
#define IDB_ERASER_MAGNIFIER_HOVER 191
#define IDB_ERASER_HIDE_MODE_MAGNIFIER_NORMAL 186
#define IDB_ERASER_HIDE_MODE_MAGNIFIER_HOVER 187
// The tree's magnifier, lit while on; one pressed look for both.
#define IDB_MAGNIFIER_ON_NORMAL 176
#define IDB_MAGNIFIER_ON_HOVER 182
#define IDB_MAGNIFIER_OFF_NORMAL 175
#define IDB_MAGNIFIER_OFF_HOVER 183
#define IDB_MAGNIFIER_PRESSED 177
#define IDB_NEW_GROUP_NORMAL 341
#define IDB_NEW_GROUP_PRESSED 343
#define IDB_NEW_GROUP_HOVER 342

// Tab bar buttons: a new tab, the row shown (rows 1 to 5, or the launcher) and the chevron.
#define IDB_NEW_TAB_NORMAL 354
#define IDB_NEW_TAB_PRESSED 356
#define IDB_NEW_TAB_HOVER 355
#define IDB_TAB_ROW1_NORMAL 357
#define IDB_TAB_ROW1_PRESSED 359
#define IDB_TAB_ROW1_HOVER 358
#define IDB_TAB_ROW2_NORMAL 360
#define IDB_TAB_ROW2_PRESSED 362
#define IDB_TAB_ROW2_HOVER 361
#define IDB_TAB_ROW3_NORMAL 363
#define IDB_TAB_ROW3_PRESSED 365
#define IDB_TAB_ROW3_HOVER 364
#define IDB_TAB_ROW4_NORMAL 374
#define IDB_TAB_ROW4_PRESSED 371
#define IDB_TAB_ROW4_HOVER 370
#define IDB_TAB_ROW5_NORMAL 372
#define IDB_TAB_ROW5_PRESSED 369
#define IDB_TAB_ROW5_HOVER 373
#define IDB_LAUNCHER_NORMAL 366
#define IDB_LAUNCHER_PRESSED 368
#define IDB_LAUNCHER_HOVER 367
#define IDB_CHEVRON_NORMAL 224
#define IDB_CHEVRON_PRESSED 226
#define IDB_CHEVRON_HOVER 225

// Dialogs: the title buttons of the settings, version and name dialogs (their hover looks are
// never shown), the command buttons, and the settings pages' buttons.
#define IDB_SETTINGS_TITLE_NORMAL 309
#define IDB_SETTINGS_TITLE_PRESSED 310
#define IDB_SETTINGS_TITLE_HOVER 308
#define IDB_SETTINGS_TITLE_INACTIVE 311
#define IDB_VERSION_TITLE_NORMAL 329
#define IDB_VERSION_TITLE_PRESSED 330
#define IDB_VERSION_TITLE_HOVER 328
#define IDB_VERSION_TITLE_INACTIVE 331
#define IDB_NAME_TITLE_NORMAL 313
#define IDB_NAME_TITLE_PRESSED 314
#define IDB_NAME_TITLE_HOVER 312
#define IDB_NAME_TITLE_INACTIVE 315
#define IDB_OK_NORMAL 264
#define IDB_OK_PRESSED 265
#define IDB_CANCEL_NORMAL 266
#define IDB_CANCEL_PRESSED 267
#define IDB_DEFAULTS_NORMAL 283
#define IDB_DEFAULTS_PRESSED 284
#define IDB_EXTRA_NORMAL 332
#define IDB_EXTRA_PRESSED 333
// A page button is on while its page is shown.
#define IDB_PAGE_GENERAL_ON 303
#define IDB_PAGE_GENERAL_OFF 302
#define IDB_PAGE_GENERAL_PRESSED 304
#define IDB_PAGE_STYLE_ON 269
#define IDB_PAGE_STYLE_OFF 268
#define IDB_PAGE_STYLE_PRESSED 270
#define IDB_PAGE_COLOURS_ON 272
#define IDB_PAGE_COLOURS_OFF 271
#define IDB_PAGE_COLOURS_PRESSED 273
#define IDB_PAGE_TABS_ON 275
#define IDB_PAGE_TABS_OFF 274
#define IDB_PAGE_TABS_PRESSED 276
#define IDB_PAGE_TREE_ON 278
#define IDB_PAGE_TREE_OFF 277
#define IDB_PAGE_TREE_PRESSED 279
#define IDB_PAGE_LIST_ON 399
#define IDB_PAGE_LIST_OFF 400
#define IDB_PAGE_LIST_PRESSED 398
#define IDB_PAGE_GESTURE_ON 402
#define IDB_PAGE_GESTURE_OFF 401
#define IDB_PAGE_GESTURE_PRESSED 403

// Marks drawn by the panes: the key of a locked tab in the four colours to choose from (gold by
// default), the comment mark of the lists, the favourites tree's root and group.
#define IDB_LOCK_KEY_GOLD 245
#define IDB_LOCK_KEY_SILVER 242
#define IDB_LOCK_KEY_RED 243
#define IDB_LOCK_KEY_BLUE 244
#define IDB_COMMENT_MARK 246
#define IDB_FAVOURITES_ROOT 347
#define IDB_FAVOURITES_GROUP 346

// Event sounds. The four gestures share one.
#define IDW_SOUND_SHOW 385
#define IDW_SOUND_TAB_ADDED 381
#define IDW_SOUND_TAB_DELETED 384
#define IDW_SOUND_TAB_CLICKED 386
#define IDW_SOUND_TAB_LOCKED 390
#define IDW_SOUND_TAB_UNLOCKED 391
#define IDW_SOUND_FOLDER_CHANGE 383
#define IDW_SOUND_BUTTON 382
#define IDW_SOUND_DRAG 388
#define IDW_SOUND_DROP 387
#define IDW_SOUND_ERASE 392
#define IDW_SOUND_UNERASE 389
#define IDW_SOUND_GESTURE 409

// Dialog templates, and the edit controls that the templates place and the code fills.
#define IDD_SETTINGS 139
#define IDD_NAME 147
#define IDD_VERSION 228
#define IDD_SPLIT_RENAME 353  // file name and extension side by side
#define IDE_SPLIT_RENAME_NAME 1020
#define IDE_SPLIT_RENAME_EXTENSION 1021
#define IDD_COMMENT 393
#define IDE_COMMENT_TEXT 1022
#define IDD_RENAME 394  // the whole file name
#define IDE_RENAME_NAME 1024

// Menus of the lists and the favourites tree, and their commands.
#define IDM_LIST_BACKGROUND 132
#define CMD_VIEW_ICONS 40017
#define CMD_VIEW_TILES 40018
#define CMD_VIEW_LIST 40019
#define CMD_VIEW_DETAILS 40020
#define CMD_REFRESH 40012
#define CMD_PASTE 40013
#define CMD_PASTE_SHORTCUT 40014
#define CMD_NEW_FOLDER 40015
#define CMD_NEW_FILE 40033
#define CMD_PROPERTIES 40016
#define IDM_FAVOURITES_GROUP 351
#define CMD_GROUP_ADD_ALL_ITEMS 40029
#define CMD_GROUP_RENAME 40026
#define CMD_GROUP_DELETE 40030
#define CMD_GROUP_DELETE_ALL_ITEMS 40032
#define IDM_FAVOURITE 352
#define CMD_FAVOURITE_DELETE 40031
#define CMD_FAVOURITE_RENAME 40027
