// Test stand-ins for the list views other parts of the program build: a view that
// serves the search as the haiku list does, and a plain list view. Register them with
// RegisterStandInListTemplates() after start-up; ExitInstance drops them again.
#pragma once

#include <QLabel>

#include "app/ChildFrame.h"
#include "app/QuillaryApp.h"
#include "app/QuillaryDoc.h"
#include "app/Resource.h"
#include "app/SearchBar.h"
#include "platform/DocTemplate.h"
#include "platform/View.h"

class StandInListView : public CView {
public:
    StandInListView() { SetContentWidget(new QLabel(u"list"_qs, this)); }
};

class StandInHaikuListView : public StandInListView {
public:
    StandInHaikuListView() {
        AddCommand(ID_SEARCH, [this] {
            lastSearch = theSearchBar.TakeSearchText();
            ++searches;
        });
    }
    void OnActivateView(bool activate) override { theSearchBar.EnableSearchBox(activate); }

    std::string lastSearch;
    int searches = 0;
};

inline CMultiDocTemplate* StandInTemplate(int id, CMultiDocTemplate::ViewFactory newView) {
    auto* t = new CMultiDocTemplate(
        id, u"『Tavelo』博物館"_qs, [] { return new CQuillaryDoc; }, [] { return new CChildFrame; },
        std::move(newView));
    theApp.AddDocTemplate(t);
    return t;
}

inline void RegisterStandInListTemplates() {
    theApp.m_pHaikuTemplate =
        StandInTemplate(IDR_HAIKU_LIST, [] { return new StandInHaikuListView; });
    theApp.m_pKigoTemplate = StandInTemplate(IDR_KIGO_LIST, [] { return new StandInListView; });
}
