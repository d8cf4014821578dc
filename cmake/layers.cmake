# The program's layers, lowest first. Each is a folder and a static library; a layer may use the
# headers of the layers it names here and of no other. The build links by this table and
# cmake/check_layers.cmake checks every #include against it.
set(TSY_LAYERS core win shell ui dnd panes app)
set(TSY_LAYER_USES_core "")
set(TSY_LAYER_USES_win core)
set(TSY_LAYER_USES_shell core win)
set(TSY_LAYER_USES_ui core win shell)
set(TSY_LAYER_USES_dnd core win shell)
set(TSY_LAYER_USES_panes core win shell ui dnd)
set(TSY_LAYER_USES_app core win shell ui dnd panes)
# Folders of headers that any layer may include: the resource numbers.
set(TSY_LAYER_SHARED res)
# Headers of the system that the layer without Windows must not include.
set(TSY_WINDOWS_HEADERS windows.h windowsx.h commctrl.h shlobj.h shellapi.h objbase.h ole2.h oleidl.h
    shlwapi.h mmsystem.h olectl.h ocidl.h winuser.h wingdi.h winbase.h)
