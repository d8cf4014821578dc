// comment.dat in the data folder: the comments read once at start, written at exit and when the
// session ends.
#pragma once
#include <string>

#include "core/comments.h"

constexpr char kCommentFileName[] = "comment.dat";

// The comments of the file at that path; none when it is missing or foreign. A comment whose
// path is gone from a fixed, network, RAM or unknown drive is left out; comments on removable
// media, discs and drives that are not there are taken without touching them.
CommentTable LoadComments(const std::string& path);

// Replaces the file whole once the new one is written; an empty table leaves an empty file.
// False when the file was not replaced.
bool SaveComments(const std::string& path, const CommentTable& table);
