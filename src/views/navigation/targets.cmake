# The navigation window: the panel's text and geometry (core, no Qt) and its
# document and view (Qt).
hv_window(navigation
  CORE
    NavigationText.cpp
    NavigationLayout.cpp
  UI
    CNavigationView.cpp
    NavigationTemplate.cpp
)
