# Code that includes no Windows header. It is part of the program and is also built natively,
# with the sanitizers, by native/CMakeLists.txt. Paths are relative to the project root.
set(TSY_PORTABLE_SOURCES
  app/datafile.cpp
  app/handover.cpp
  app/layout.cpp
  app/settings_table.cpp
  shell/dbcs_text.cpp
  shell/display_format.cpp
  shell/item_id_layout.cpp
  shell/new_item_names.cpp
)
set(TSY_PORTABLE_TESTS
  tests/app/datafile_test.cpp
  tests/app/handover_test.cpp
  tests/app/layout_test.cpp
  tests/app/settings_table_test.cpp
  tests/shell/dbcs_text_test.cpp
  tests/shell/display_format_test.cpp
  tests/shell/item_id_layout_test.cpp
  tests/shell/new_item_names_test.cpp
)
