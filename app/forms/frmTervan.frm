# The calculator window: its settings, then its controls in creation order,
# containers before their contents. Positions and sizes are twips.
Begin Form frmTervan
   Caption = "Student's t-test"
   ClientWidth = 4980
   ClientHeight = 3600
   BorderStyle = 1
   MinButton = False
   MaxButton = False
   KeyPreview = True
   Icon = Picture(":/images/table_marked.png")
   Font = Font("MS Sans Serif,8.25,-1,5,400,0,0,0,0,0,0,0,0,0,0,1")
   Begin LxOnTop lxpOnTop
      OnTop = False
   End
   Begin LxPanel panMenu
      Left = 0
      Top = 0
      Width = 4980
      Height = 420
      Align = 1
      Caption = ""
      Font = Font("MS Sans Serif,8.25,-1,5,400,0,0,0,0,0,0,0,0,0,0,1")
      Begin LxButton cmdAction(3)
         Left = 135
         Top = 45
         Width = 330
         Height = 330
         TabIndex = 24
         AutoRedraw = True
         Font = Font("MS Sans Serif,8.25,-1,5,400,0,0,0,0,0,0,0,0,0,0,1")
         ForeColor = 0x80000008
         MouseIcon = Picture(":/images/pointer.png")
         MousePointer = 99
         Picture = Picture(":/images/door_closed.png")
         Caption = ""
         SelectedPicture = Picture(":/images/door_open.png")
         PressedPicture = Picture(":/images/door_open.png")
         FontSelected = Font("MS Sans Serif,8.25,-1,5,400,0,0,0,0,0,0,0,0,0,0,1")
         FontPressed = Font("MS Sans Serif,8.25,-1,5,400,0,0,0,0,0,0,0,0,0,0,1")
         ToolTipText = "Exit"
      End
      Begin LxButton cmdDetails
         Left = 2775
         Top = 45
         Width = 1050
         Height = 330
         TabIndex = 25
         AutoRedraw = True
         Font = Font("MS Sans Serif,8.25,-1,5,400,0,0,0,0,0,0,0,0,0,0,1")
         ForeColor = 0x80000008
         MouseIcon = Picture(":/images/pointer.png")
         MousePointer = 99
         Picture = Picture(":/images/details.png")
         Caption = "Details"
         SelectedPicture = Picture(":/images/details_shown.png")
         PressedPicture = Picture(":/images/details_shown.png")
         FontSelected = Font("MS Sans Serif,8.25,-1,5,400,0,0,0,0,0,0,0,0,0,0,1")
         FontPressed = Font("MS Sans Serif,8.25,-1,5,400,0,0,0,0,0,0,0,0,0,0,1")
         Switch = True
         ToolTipText = "Show the exact p, Welch's test, confidence intervals and effect sizes (F6)"
      End
      Begin LxButton cmdPlot
         Left = 675
         Top = 45
         Width = 945
         Height = 330
         TabIndex = 27
         AutoRedraw = True
         Font = Font("MS Sans Serif,8.25,-1,5,400,0,0,0,0,0,0,0,0,0,0,1")
         ForeColor = 0x80000008
         MouseIcon = Picture(":/images/pointer.png")
         MousePointer = 99
         Picture = Picture(":/images/plot.png")
         Caption = "Plot"
         SelectedPicture = Picture(":/images/plot_shown.png")
         PressedPicture = Picture(":/images/plot_shown.png")
         FontSelected = Font("MS Sans Serif,8.25,-1,5,400,0,0,0,0,0,0,0,0,0,0,1")
         FontPressed = Font("MS Sans Serif,8.25,-1,5,400,0,0,0,0,0,0,0,0,0,0,1")
         Switch = True
         ToolTipText = "Show the result as a picture: the difference plot, the prior and posterior, the Bayes factor's robustness (F8)"
      End
      Begin LxButton cmdPlanning
         Left = 1665
         Top = 45
         Width = 1065
         Height = 330
         TabIndex = 26
         AutoRedraw = True
         Font = Font("MS Sans Serif,8.25,-1,5,400,0,0,0,0,0,0,0,0,0,0,1")
         ForeColor = 0x80000008
         MouseIcon = Picture(":/images/pointer.png")
         MousePointer = 99
         Picture = Picture(":/images/planning.png")
         Caption = "Planning"
         SelectedPicture = Picture(":/images/planning_shown.png")
         PressedPicture = Picture(":/images/planning_shown.png")
         FontSelected = Font("MS Sans Serif,8.25,-1,5,400,0,0,0,0,0,0,0,0,0,0,1")
         FontPressed = Font("MS Sans Serif,8.25,-1,5,400,0,0,0,0,0,0,0,0,0,0,1")
         Switch = True
         ToolTipText = "Plan the next study: sample size, sensitivity and safeguard power (F7)"
      End
      Begin LxButton cmdAction(2)
         Left = 3870
         Top = 45
         Width = 1050
         Height = 330
         TabIndex = 23
         AutoRedraw = True
         Font = Font("MS Sans Serif,8.25,-1,5,400,0,0,0,0,0,0,0,0,0,0,1")
         ForeColor = 0x80000008
         MouseIcon = Picture(":/images/pointer.png")
         MousePointer = 99
         Picture = Picture(":/images/check_empty.png")
         Caption = "On top"
         SelectedPicture = Picture(":/images/check_ticked.png")
         PressedPicture = Picture(":/images/check_ticked.png")
         FontSelected = Font("MS Sans Serif,8.25,-1,5,400,0,0,0,0,0,0,0,0,0,0,1")
         FontPressed = Font("MS Sans Serif,8.25,-1,5,400,0,0,0,0,0,0,0,0,0,0,1")
         Switch = True
         ToolTipText = "On Top"
      End
   End
   Begin LxButton cmdAction(0)
      Left = 270
      Top = 3015
      Width = 1905
      Height = 465
      TabIndex = 21
      AutoRedraw = True
      Font = Font("MS Sans Serif,8.25,-1,5,400,0,0,0,0,0,0,0,0,0,0,1")
      ForeColor = 0x80000008
      MouseIcon = Picture(":/images/pointer.png")
      MousePointer = 99
      Picture = Picture(":/images/table.png")
      Caption = "Calculate (F5)"
      SelectedPicture = Picture(":/images/table_marked.png")
      PressedPicture = Picture(":/images/table_marked.png")
      FontSelected = Font("MS Sans Serif,8.25,-1,5,400,0,0,0,0,0,0,0,0,0,0,1")
      FontPressed = Font("MS Sans Serif,8.25,-1,5,400,0,0,0,0,0,0,0,0,0,0,1")
      ToolTipText = "Calculate"
   End
   Begin LxFormPos LxFormPos1
      MinHeight = 3975
      MinWidth = 5070
      CenterForm = False
   End
   Begin Frame Frame2
      Caption = "Result"
      Left = 90
      Top = 2070
      Width = 4830
      Height = 780
      TabIndex = 14
      Begin TextBox txtP
         Left = 3465
         Top = 270
         Width = 1230
         Height = 330
         TabIndex = 20
         Locked = True
      End
      Begin TextBox txtStudent
         Left = 1845
         Top = 270
         Width = 1140
         Height = 330
         TabIndex = 18
         Locked = True
      End
      Begin TextBox txtFreedom
         Left = 495
         Top = 270
         Width = 780
         Height = 330
         TabIndex = 16
         Locked = True
      End
      Begin Label Label9
         Caption = "P"
         Left = 3150
         Top = 315
         Width = 240
         Height = 240
         TabIndex = 19
      End
      Begin Label Label8
         Caption = "t"
         Left = 1530
         Top = 315
         Width = 240
         Height = 240
         TabIndex = 17
      End
      Begin Label Label7
         Caption = "K"
         Left = 180
         Top = 315
         Width = 240
         Height = 240
         TabIndex = 15
      End
   End
   Begin Frame Frame1
      Caption = "Second Set"
      Left = 2520
      Top = 495
      Width = 2355
      Height = 1500
      TabIndex = 10
      Begin TextBox txtN2
         Left = 540
         Top = 225
         Width = 735
         Height = 330
         TabIndex = 3
      End
      Begin TextBox txtM2
         Left = 540
         Top = 630
         Width = 1725
         Height = 330
         TabIndex = 4
      End
      Begin TextBox txtSD2
         Left = 540
         Top = 990
         Width = 1725
         Height = 330
         TabIndex = 5
      End
      Begin Label Label6
         Caption = "N2"
         Left = 135
         Top = 270
         Width = 375
         Height = 285
         TabIndex = 13
      End
      Begin Label Label5
         Caption = "M2"
         Left = 135
         Top = 675
         Width = 375
         Height = 285
         TabIndex = 12
      End
      Begin Label Label4
         Caption = "SD2"
         Left = 135
         Top = 1035
         Width = 375
         Height = 285
         TabIndex = 11
      End
   End
   Begin Frame fraFirst
      Caption = "First Set"
      Left = 90
      Top = 495
      Width = 2355
      Height = 1500
      TabIndex = 6
      Begin TextBox txtSD1
         Left = 540
         Top = 990
         Width = 1725
         Height = 330
         TabIndex = 2
      End
      Begin TextBox txtM1
         Left = 540
         Top = 630
         Width = 1725
         Height = 330
         TabIndex = 1
      End
      Begin TextBox txtN1
         Left = 540
         Top = 225
         Width = 735
         Height = 330
         TabIndex = 0
      End
      Begin Label Label3
         Caption = "SD1"
         Left = 135
         Top = 1035
         Width = 375
         Height = 285
         TabIndex = 9
      End
      Begin Label Label2
         Caption = "M1"
         Left = 135
         Top = 675
         Width = 375
         Height = 285
         TabIndex = 8
      End
      Begin Label Label1
         Caption = "N1"
         Left = 135
         Top = 270
         Width = 375
         Height = 285
         TabIndex = 7
      End
   End
   Begin LxButton cmdAction(1)
      Left = 2745
      Top = 3015
      Width = 1905
      Height = 465
      TabIndex = 22
      AutoRedraw = True
      Font = Font("MS Sans Serif,8.25,-1,5,400,0,0,0,0,0,0,0,0,0,0,1")
      ForeColor = 0x80000008
      MouseIcon = Picture(":/images/pointer.png")
      MousePointer = 99
      Picture = Picture(":/images/cross_black.png")
      Caption = "Clear All (Esc)"
      SelectedPicture = Picture(":/images/cross_black.png")
      PressedPicture = Picture(":/images/cross_red.png")
      FontSelected = Font("MS Sans Serif,8.25,-1,5,400,0,0,0,0,0,0,0,0,0,0,1")
      FontPressed = Font("MS Sans Serif,8.25,-1,5,400,0,0,0,0,0,0,0,0,0,0,1")
      ToolTipText = "Clear All Fields"
   End
End
