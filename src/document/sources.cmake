# document: the image with its file name, comment and undo stack (QUndoStack
# is part of QtGui, so the document lives in the ui library).
list(APPEND TSLQ_UI_SOURCES
  document/Document.cpp
)
