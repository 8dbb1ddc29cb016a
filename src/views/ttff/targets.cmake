# The TTFF window: its test, results and files are core code in src/ttff;
# here the mode dialog, the document, the view and the report's painting.
hv_window(ttff
  UI
    CTTFFDoc.cpp
    CTTFFModeDialog.cpp
    CTTFFview.cpp
    TtffReportPainter.cpp
    TtffTemplate.cpp
)
